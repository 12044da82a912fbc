#pragma once

namespace modUI {

// The program-wide busy pointer (the hourglass) that long operations show.
bool IsHourglass();
void SetHourglass(bool busy);

} // namespace modUI
