// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/Configuration.h"

#include "data/RegularFile.h"
#include "data/SafeFileWriter.h"
#include "data/TextFileLimits.h"
#include "data/WordReader.h"

#include <fstream>
#include <locale>
#include <sstream>
#include <string>

void Configuration::ReadConfiguration(std::istream& input) {
    WordReader reader(input, 1000, TextFileLimits::kSettingsWords);
    std::string word;
    std::string value;
    auto atoiValue = [&]() {
        reader.Next(value);
        return WordReader::Atoi(value);
    };
    auto streamInt = [&](int32_t& field) {
        if (reader.Next(value)) WordReader::ParseInt(value, field);
    };
    while (reader.Next(word)) {
        if (word == "FULLSCREEN:")
            fullscreen = atoiValue() != 0;
        else if (word == "SPRACHE:")
            language = atoiValue();
        else if (word == "SOUND:")
            soundVolume = atoiValue();
        else if (word == "MUSIK:")
            musicVolume = atoiValue();
        else if (word == "INTRO:")
            playIntro = atoiValue() != 0;
        else if (word == "KARTENTYP:")
            cardSet = atoiValue();
        else if (word == "KARTENHINTERGRUND:")
            cardBack = atoiValue();
        else if (word == "HINTERGRUND:")
            background = atoiValue();
        else if (word == "INFOS:")
            showInfos = atoiValue() != 0;
        else if (word == "ABWEICHUNG:") {
            if (reader.Next(value)) WordReader::ParseFloat(value, deviation);
        } else if (word == "SCHATTEN:") {
            if (reader.Next(value)) WordReader::ParseBool(value, shadows);
        } else if (word == "STAPELSPEED:")
            streamInt(pileSpeed);
        else if (word == "MOUSESTAPELSPEED:")
            streamInt(mousePileSpeed);
        else if (word == "SPRUECHE:")
            streamInt(chatter);
        else if (word == "BACKGROUND:")
            streamInt(backgroundBrightness);
        else if (word == "MAUS:")
            streamInt(cursorStyle);
        else if (word == "HINTERGRUNDANIS:")
            streamInt(animationTheme);
        else if (word == "HINTERGRUNDANIS_PROP:")
            streamInt(animationLevel);
        else if (word == "AUTOFERTIG:")
            autoFinish = atoiValue() != 0;
    }
}

void Configuration::WriteConfiguration(std::ostream& output) const {
    std::ostringstream text;
    text.imbue(std::locale::classic());
    auto line = [&](const char* key, auto value) { text << key << '\t' << value << '\n'; };
    line("FULLSCREEN:", int(fullscreen));
    line("SPRACHE:", language);
    line("SOUND:", soundVolume);
    line("MUSIK:", musicVolume);
    line("INTRO:", int(playIntro));
    line("KARTENTYP:", cardSet);
    line("KARTENHINTERGRUND:", cardBack);
    line("HINTERGRUND:", background);
    line("INFOS:", int(showInfos));
    line("ABWEICHUNG:", deviation);
    line("SCHATTEN:", int(shadows));
    line("STAPELSPEED:", pileSpeed);
    line("MOUSESTAPELSPEED:", mousePileSpeed);
    line("SPRUECHE:", chatter);
    line("BACKGROUND:", backgroundBrightness);
    line("MAUS:", cursorStyle);
    line("HINTERGRUNDANIS:", animationTheme);
    line("HINTERGRUNDANIS_PROP:", animationLevel);
    // The optional key is written only when it differs from its default, so a
    // file of default settings stays exactly what it always was.
    if (!autoFinish) line("AUTOFERTIG:", 0);
    output << text.str();
}

bool Configuration::ReadConfigurationFile(const std::filesystem::path& path) {
    ResetConfiguration();
    std::string bytes;
    if (RegularFile::Read(path, TextFileLimits::kSettingsBytes, bytes) != RegularFile::Status::ok)
        return false;
    std::istringstream input(std::move(bytes), std::ios::binary);
    ReadConfiguration(input);
    return true;
}

bool Configuration::WriteConfigurationFile(const std::filesystem::path& path) const {
    std::ostringstream text;
    WriteConfiguration(text);
    return SafeFileWriter::WriteWhole(path, text.str());
}
