#include "HfCodeBook.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <queue>
#include <random>
#include <utility>
#include <vector>

namespace hf {

namespace {

using Frequencies = std::array<std::uint64_t, 256>;
using CodeLengths = std::array<int, 256>;

Frequencies CountBytes(const unsigned char* data, std::size_t size)
{
    Frequencies counts{};
    for (std::size_t i = 0; i < size; ++i)
        ++counts[data[i]];
    return counts;
}

// Lengths from a Huffman tree merged from the two lightest nodes each time.
// Ties go to the earlier node, so the result does not depend on the library.
// Even 4 GiB of bytes cannot make a code longer than about 46 bits.
CodeLengths HuffmanCodeLengths(const Frequencies& counts)
{
    struct Node {
        int children[2];  // -1 for a leaf
        int value;
    };
    using Entry = std::pair<std::uint64_t, int>;  // weight, node index
    std::vector<Node> nodes;
    std::priority_queue<Entry, std::vector<Entry>, std::greater<Entry>> lightest;
    for (int value = 0; value < 256; ++value) {
        if (counts[value] == 0)
            continue;
        lightest.emplace(counts[value], static_cast<int>(nodes.size()));
        nodes.push_back({{-1, -1}, value});
    }

    CodeLengths lengths{};
    if (nodes.size() == 1) {
        lengths[nodes[0].value] = 1;  // a code needs at least one bit
        return lengths;
    }
    while (lightest.size() > 1) {
        const Entry first = lightest.top();
        lightest.pop();
        const Entry second = lightest.top();
        lightest.pop();
        lightest.emplace(first.first + second.first, static_cast<int>(nodes.size()));
        nodes.push_back({{first.second, second.second}, -1});
    }

    std::vector<std::pair<int, int>> pending;  // node, depth
    if (!nodes.empty())
        pending.emplace_back(static_cast<int>(nodes.size()) - 1, 0);
    while (!pending.empty()) {
        const auto [index, depth] = pending.back();
        pending.pop_back();
        const Node& node = nodes[index];
        if (node.children[0] < 0) {
            lengths[node.value] = depth;
            continue;
        }
        pending.emplace_back(node.children[0], depth + 1);
        pending.emplace_back(node.children[1], depth + 1);
    }
    return lengths;
}

// Canonical codes: shorter codes first, equal lengths in order of value, each
// word the previous one plus one.
HfCodeBook CanonicalCodes(const CodeLengths& lengths)
{
    std::vector<std::pair<int, int>> byLength;  // length, value
    for (int value = 0; value < 256; ++value) {
        if (lengths[value] != 0)
            byLength.emplace_back(lengths[value], value);
    }
    std::sort(byLength.begin(), byLength.end());

    HfCodeBook codes;
    std::uint64_t word = 0;
    int previousLength = byLength.empty() ? 0 : byLength.front().first;
    for (const auto& [length, value] : byLength) {
        word <<= length - previousLength;
        previousLength = length;
        for (int bit = length - 1; bit >= 0; --bit)
            codes[value] += (word >> bit & 1) ? '1' : '0';
        ++word;
    }
    return codes;
}

}  // namespace

HfCodeBook BuildHuffmanCodes(const unsigned char* data, std::size_t size)
{
    return CanonicalCodes(HuffmanCodeLengths(CountBytes(data, size)));
}

HfCodeBook ShuffleCodes(const HfCodeBook& codes, std::uint32_t seed)
{
    std::mt19937 random(seed);

    std::map<std::size_t, std::vector<int>> valuesByLength;
    for (int value = 0; value < 256; ++value) {
        if (!codes[value].empty())
            valuesByLength[codes[value].size()].push_back(value);
    }
    HfCodeBook traded;
    for (const auto& [length, values] : valuesByLength) {
        std::vector<int> donors = values;
        std::shuffle(donors.begin(), donors.end(), random);
        for (std::size_t i = 0; i < values.size(); ++i)
            traded[values[i]] = codes[donors[i]];
    }

    // Flipping the bit after a prefix for every word that has that prefix maps
    // the tree onto a mirror of itself, so the words stay prefix-free.
    std::map<std::string, bool> flipAfter;
    HfCodeBook shuffled;
    for (int value = 0; value < 256; ++value) {
        const std::string& word = traded[value];
        for (std::size_t i = 0; i < word.size(); ++i) {
            const auto [entry, added] = flipAfter.try_emplace(word.substr(0, i), false);
            if (added)
                entry->second = random() & 1;
            shuffled[value] += (word[i] == '1') != entry->second ? '1' : '0';
        }
    }
    return shuffled;
}

}  // namespace hf
