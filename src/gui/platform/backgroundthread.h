#pragma once

namespace pagoranto {

// Lets the calling thread give way to the window thread whenever both want a processor, so work
// spread over every core never holds up the window; the thread keeps its priority afterwards.
void RunAsBackgroundThread();

} // namespace pagoranto
