#pragma once

namespace gw::generate {

constexpr int MaxAttempts = 999;

// The three creation options of a run, as the word list editor stores them in the settings.
struct BuildOptions
{
    int attempts = 1; // creation attempts requested, 1..999
    bool shrink = false; // cut empty rows and columns off each candidate
    bool quickBuild = false; // retry the words left out at most once
};

} // namespace gw::generate
