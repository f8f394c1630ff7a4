// `gaugehost run` over many files: a line of counts per file, the total, and a JUnit XML report
// for CI — one test suite a file, one test case an expectation or error.
#include <fstream>

#include "host_error.h"
#include "scenario.h"

namespace gaugehost {
namespace {

struct FileResult {
    std::string file;
    ScenarioResult result;
};

std::string xmlEscaped(const std::string& text) {
    std::string escaped;
    for (const char c : text) {
        switch (c) {
            case '&': escaped += "&amp;"; break;
            case '<': escaped += "&lt;"; break;
            case '>': escaped += "&gt;"; break;
            case '"': escaped += "&quot;"; break;
            default:
                // Control characters other than tab and line breaks are not allowed in XML 1.0.
                if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r') {
                    escaped += '?';
                } else {
                    escaped += c;
                }
        }
    }
    return escaped;
}

void writeJUnit(const std::vector<FileResult>& files, const std::filesystem::path& path) {
    std::ofstream out(path, std::ios::binary);
    if (!out) throw HostError("cannot write the JUnit report " + path.string());
    int tests = 0, failures = 0;
    for (const auto& [file, result] : files) {
        tests += result.passed + result.failed;
        failures += result.failed;
    }
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<testsuites name=\"gaugehost run\" tests=\"" << tests << "\" failures=\"" << failures << "\">\n";
    for (const auto& [file, result] : files) {
        out << "  <testsuite name=\"" << xmlEscaped(file) << "\" tests=\"" << result.passed + result.failed
            << "\" failures=\"" << result.failed << "\">\n";
        for (const ScenarioCheck& check : result.checks) {
            out << "    <testcase classname=\"" << xmlEscaped(file) << "\" name=\"" << xmlEscaped(check.where + ": " + check.expected)
                << "\"";
            if (check.error) {
                out << ">\n      <failure type=\"error\" message=\"" << xmlEscaped(check.expected) << "\"/>\n    </testcase>\n";
            } else if (!check.got.empty()) {
                out << ">\n      <failure type=\"expectation\" message=\"" << xmlEscaped("expected " + check.expected + ", got " + check.got)
                    << "\"/>\n    </testcase>\n";
            } else {
                out << "/>\n";
            }
        }
        out << "  </testsuite>\n";
    }
    out << "</testsuites>\n";
    if (!out.flush()) throw HostError("cannot write the JUnit report " + path.string());
}

std::string counts(const ScenarioResult& result) {
    return std::to_string(result.passed) + " passed, " + std::to_string(result.failed) + " failed";
}

}  // namespace

int runScenarioFiles(const std::vector<std::string>& files, const ScenarioOptions& options, std::ostream& report,
                     const std::filesystem::path& junitFile) {
    std::vector<FileResult> results;
    ScenarioResult total;
    for (const auto& file : files) {
        auto result = runScenarioFile(file, options, report);
        report << file << ": " << counts(result) << '\n';
        total.passed += result.passed;
        total.failed += result.failed;
        results.push_back({file, std::move(result)});
    }
    report << counts(total) << '\n';
    if (!junitFile.empty()) writeJUnit(results, junitFile);
    return total.failed == 0 ? 0 : 1;
}

}  // namespace gaugehost
