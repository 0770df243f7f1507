// The fuzz targets' check over the seed corpus in fuzz/corpus/<program>/ and over random
// inputs: each, and every crash input added there, must leave the windowless dialog in step
// with the reference model and decode back into its bytes; the check must see a program
// wired wrong.
#include "reference/reference_check.h"
#include "replay/programs.h"
#include "rustle/program.h"
#include "twinwave/program.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

namespace {

std::vector<std::uint8_t> Seed(const std::filesystem::path& file)
{
    std::ifstream in(std::filesystem::path(FUZZ_CORPUS_DIR) / file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

TEST(FuzzCorpus, EverySeedAgreesWithTheReference)
{
    for (const char* name : {"rustle", "pulsar", "twinwave"}) {
        int seeds = 0;
        for (const auto& file : std::filesystem::directory_iterator(std::filesystem::path(FUZZ_CORPUS_DIR) / name)) {
            const std::optional<std::string> failure = reference::CheckInput(*FindProgram(name), Seed(file.path()));
            EXPECT_FALSE(failure) << file.path() << ": " << failure.value_or("");
            ++seeds;
        }
        EXPECT_GE(seeds, 4) << name;
    }
}

// Random scripts, the same in every run: a few hundred actions each, among them runs of
// clicks past a full history.
TEST(FuzzCheck, RandomInputsAgreeWithTheReferenceAndDecodeBack)
{
    std::mt19937 random(1);
    for (const char* name : {"rustle", "pulsar", "twinwave"}) {
        for (int input = 0; input < 100; ++input) {
            std::vector<std::uint8_t> bytes(std::uniform_int_distribution<std::size_t>(0, 600)(random));
            std::ranges::generate(bytes, [&] { return static_cast<std::uint8_t>(random()); });
            const std::optional<std::string> failure = reference::CheckInput(*FindProgram(name), bytes);
            ASSERT_FALSE(failure) << name << " input " << input << ": " << *failure;
        }
    }
}

// Descriptions gone wrong: "休" playing "チ", and keys captioned "x" playing a note.
TEST(FuzzCorpus, CheckCatchesAButtonBoundToTheWrongEvent)
{
    const Program restPlaysNoise{"rustle", rustle::kProgram.channel, rustle::kIds, rustle::kKeys, 1};
    const std::optional<std::string> failure = reference::CheckInput(restPlaysNoise, Seed("rustle/worked-example-region-1"));
    ASSERT_TRUE(failure);
    EXPECT_NE(failure->find("click 1023"), std::string::npos) << *failure;

    std::array<Key, twinwave::kKeys.size()> keys = twinwave::kKeys;
    for (Key& key : keys)
        key.value = key.value == kNoEvent ? 0x66 : key.value;
    const Program everyKeyPlays{"twinwave", twinwave::kProgram.channel, twinwave::kIds, keys, twinwave::kProgram.restValue};
    EXPECT_TRUE(reference::CheckInput(everyKeyPlays, Seed("twinwave/foreign-ids")));
}
