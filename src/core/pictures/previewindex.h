#pragma once

#include <optional>

namespace pagoranto {

// The preview's steps through the thumbnail list; empty when the list is empty. Previous wraps
// from the first item to the last, and an index left beyond the end by removed items comes
// back to the last one; next wraps from the last item (or beyond) to the first.
std::optional<int> PreviousPictureIndex(int current, int count);
std::optional<int> NextPictureIndex(int current, int count);

// The item the preview's check box acts on: current, kept inside the list.
std::optional<int> ClampedPictureIndex(int current, int count);

} // namespace pagoranto
