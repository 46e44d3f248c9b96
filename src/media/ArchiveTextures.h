// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Pictures from the archives: a member's bytes become a texture on the drawing
// device. The archive side (which archive, which member, loose-file fallback)
// is the core's ArchiveSet; this is the device side.
//
// AppState's LoadCardSet(index) is then:
//   if (CatalogSelection::Select(index, cardSets, currentCardSetIndex, currentCardSet)) {
//       ReplaceCatalogTexture(device.get(), textures[4], ArchiveFamily(cardsArchive,
//                             cardAddOnArchives), currentCardSet);
//       cardSet = currentCardSetIndex;
//   }
// and SelectBackground the same with backgrounds, slot 5 and the background family.
#include "data/ArchiveSet.h"

#include <memory>
#include <string>

class RenderDevice;
class Texture;

// One archive (null allowed), optionally falling back to the loose file of that
// name in the working directory (LoadTexture). Null when nothing yields a picture.
std::unique_ptr<Texture> LoadTexture(RenderDevice* device, const std::string& name,
                                     GameArchive* archive, bool allowFiles);

// The search over a family: the main archive, then each add-on; with allowFiles
// each archive falls back to the loose file before the next one is tried, so a
// loose file wins over every add-on. A member that does not decode counts as
// missing there. Null when nothing yields a picture (or there is no device).
std::unique_ptr<Texture> LoadTextureFromFamily(RenderDevice* device, const ArchiveFamily& family,
                                               const std::string& name, bool allowFiles);

// Releases the texture of a slot and loads the entry's picture (its `path`)
// from the family with loose files allowed. A null entry or a picture found
// nowhere leaves the slot empty; drawing from it then draws nothing.
template <typename Entry>
void ReplaceCatalogTexture(RenderDevice* device, std::unique_ptr<Texture>& slot,
                           const ArchiveFamily& family, const Entry* entry) {
    slot.reset();
    if (entry) slot = LoadTextureFromFamily(device, family, entry->path, true);
}
