#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <vector>

class SpeechSynthesizer;

// A synthesiser the benchmarks compare, by the name their tables show.
struct BenchSynthesizer
{
    QString name;
    std::function<std::unique_ptr<SpeechSynthesizer>()> create;
};

// Every synthesiser the program can speak with; the benchmarks run each of them.
std::vector<BenchSynthesizer> benchSynthesizers();
