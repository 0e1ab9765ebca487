// How fast the reader is: Parse of a ~10 MB generated language-file-shaped
// document against pugixml's and tinyxml2's parse of the same document, and
// a full language load (LoadFile, Parse, 173 lookups) of the shipped
// language.xml, and a crafted deeply nested file whose end tags close nothing
// (its time must grow linearly with the depth). Prints the throughput ratios at the end.
#include <benchmark/benchmark.h>

#include <tinyxml2.h>
#include <cstdio>
#include <map>
#include <memory>
#include <pugixml.hpp>
#include <string>

#include "i18n/LanguageTable.h"
#include "i18n/Unicode.h"
#include "i18n/XmlReader.h"
#include "platform/TextFiles.h"

namespace {

constexpr std::size_t kDocumentBytes = 10 * 1024 * 1024;

// A language file grown to about 10 MB: many config sections of keyed texts
// with comments, attributes and character references.
const std::string& GeneratedDocument() {
    static const std::string document = [] {
        std::string text =
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<language name=\"en\">\r\n";
        for (int section = 0; text.size() < kDocumentBytes; ++section) {
            text += "  <!-- section " + std::to_string(section) + " -->\r\n  <config id=\"" +
                    std::to_string(section) + "\">\r\n";
            for (int key = 0; key < 100; ++key) {
                const std::string name = "tc_key_" + std::to_string(key);
                text += "    <" + name + ">Open &amp; save the file &quot;" + std::to_string(key) +
                        "&quot; &#x2192; caf&eacute; &lt;now&gt;</" + name + ">\r\n";
            }
            text += "  </config>\r\n";
        }
        return text + "</language>\r\n";
    }();
    return document;
}

const std::u16string& GeneratedDocument16() {
    static const std::u16string document = q5::Utf8ToUtf16(GeneratedDocument());
    return document;
}

void BM_Q5Parse(benchmark::State& state) {
    auto files = q5::MakeNativeTextFiles();
    q5::XmlReader reader(*files);
    reader.SetDocumentText(GeneratedDocument16());
    for (auto _ : state) {
        benchmark::DoNotOptimize(reader.Parse());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(GeneratedDocument().size()));
    state.counters["elements"] = static_cast<double>(reader.Elements().size());
}
BENCHMARK(BM_Q5Parse)->Unit(benchmark::kMillisecond);

void BM_PugixmlParse(benchmark::State& state) {
    const std::string& text = GeneratedDocument();
    for (auto _ : state) {
        pugi::xml_document document;
        benchmark::DoNotOptimize(document.load_buffer(text.data(), text.size()));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_PugixmlParse)->Unit(benchmark::kMillisecond);

void BM_Tinyxml2Parse(benchmark::State& state) {
    const std::string& text = GeneratedDocument();
    for (auto _ : state) {
        tinyxml2::XMLDocument document;
        benchmark::DoNotOptimize(document.Parse(text.data(), text.size()));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_Tinyxml2Parse)->Unit(benchmark::kMillisecond);

// A crafted file: `depth` nested elements whose names hold `=`, then as many
// end tags that close nothing. Each of those is looked up among all the open
// elements, so the parse must stay linear in the depth.
std::u16string CraftedNesting(std::int64_t depth) {
    std::string text = "<r>";
    for (std::int64_t i = 0; i < depth; ++i) {
        text += "<e=" + std::to_string(i) + ">";
    }
    for (std::int64_t i = 0; i < depth; ++i) {
        text += "</e=>";
    }
    return q5::Utf8ToUtf16(text + "</r>");
}

void BM_CraftedNesting(benchmark::State& state) {
    auto files = q5::MakeNativeTextFiles();
    q5::XmlReader reader(*files);
    reader.SetDocumentText(CraftedNesting(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(reader.Parse());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_CraftedNesting)
    ->RangeMultiplier(4)
    ->Range(1 << 10, 1 << 16)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

void BM_FullLanguageLoad(benchmark::State& state) {
    auto files = q5::MakeNativeTextFiles();
    const std::u16string path = q5::Utf8ToUtf16(Q5_SOURCE_DIR "/languages/language.xml");
    for (auto _ : state) {
        q5::LanguageTable table(*files);
        table.Load(path);
        benchmark::DoNotOptimize(table.Slot(0).data());
    }
}
BENCHMARK(BM_FullLanguageLoad)->Unit(benchmark::kMicrosecond);

// The console report, then how the others compare with our Parse.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && run.iterations > 0) {
                // Processor time: the wall clock of a shared machine says more
                // about the neighbours than about the parser.
                seconds_[run.benchmark_name()] =
                    run.cpu_accumulated_time / static_cast<double>(run.iterations);
            }
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        const double ours = seconds_["BM_Q5Parse"];
        if (ours <= 0) {
            return;
        }
        std::printf(
            "\nParse speed (processor time) relative to pugixml and tinyxml2 (> 1: ours is "
            "faster):\n");
        for (const char* other : {"BM_PugixmlParse", "BM_Tinyxml2Parse"}) {
            std::printf("  ours / %-18s %.2f\n", other, seconds_[other] / ours);
        }
        std::printf("Full language load (processor time): %.1f us\n",
                    seconds_["BM_FullLanguageLoad"] * 1e6);
    }

private:
    std::map<std::string, double> seconds_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
