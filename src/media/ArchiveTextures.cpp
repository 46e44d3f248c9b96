// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/ArchiveTextures.h"

#include "platform/RenderDevice.h"
#include "platform/Texture.h"

namespace {

// Texture creation is tried a second time before a picture counts as unusable.
std::unique_ptr<Texture> CreateWithRetry(RenderDevice& device, std::span<const uint8_t> bytes) {
    std::unique_ptr<Texture> texture = device.CreateTextureFromMemory(bytes.data(), bytes.size());
    if (!texture) texture = device.CreateTextureFromMemory(bytes.data(), bytes.size());
    return texture;
}

} // namespace

std::unique_ptr<Texture> LoadTextureFromFamily(RenderDevice* device, const ArchiveFamily& family,
                                               const std::string& name, bool allowFiles) {
    if (!device) return nullptr;
    std::unique_ptr<Texture> texture;
    SearchArchiveFamily(family, name, allowFiles, [&](std::span<const uint8_t> bytes) {
        texture = CreateWithRetry(*device, bytes);
        return texture != nullptr;
    });
    return texture;
}

std::unique_ptr<Texture> LoadTexture(RenderDevice* device, const std::string& name,
                                     GameArchive* archive, bool allowFiles) {
    return LoadTextureFromFamily(device, ArchiveFamily(archive, nullptr), name, allowFiles);
}
