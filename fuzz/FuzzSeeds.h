#pragma once
// The seed inputs of the fuzz targets, by target: name and bytes.
#include <string>
#include <utility>
#include <vector>

using Seed = std::pair<std::string, std::string>;
using Seeds = std::vector<Seed>;

// From texts of our own: user.reg files as Wine writes them, settings files,
// typed numbers.
Seeds WineRegistrySeeds();
Seeds SettingsFileSeeds();
Seeds NumberTextSeeds();
// Small JSON and CSV exchange files (first byte: 0 JSON, 1 CSV), good and bad;
// the exports of the demo file's first slots are added by make_fuzz_seeds.
Seeds ExchangeTextSeeds();
