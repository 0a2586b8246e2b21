// `tessa batch` on the example library: one result a line in input order, the same for any
// number of jobs, bad lines reported and passed over.
#include "tests/apps/ProgramRunner.h"

#include <nlohmann/json.hpp>
#include <sstream>

namespace {

const std::filesystem::path kLibrary =
    std::filesystem::path(TESSA_SOURCE_ROOT) / "examples" / "library";

class BatchScenario : public ProgramTest {
protected:
    // The example macro on one line with the beam section and bolt diameter given.
    static std::string macroLine(const std::string& section, const std::string& diameter) {
        nlohmann::json macro =
            nlohmann::json::parse(readFile(kLibrary / "macros" / "EndPlate.json"));
        macro["baseProfiles"][0]["section"] = section;
        macro["modules"][1]["boltData"]["diameter"] = diameter;
        return macro.dump();
    }
    static std::vector<nlohmann::json> resultLines(const std::string& text) {
        std::vector<nlohmann::json> lines;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);)
            lines.push_back(nlohmann::json::parse(line));
        return lines;
    }
    static std::string value(const nlohmann::json& result, const std::string& name) {
        for (const auto& variable : result.at("variables")) {
            if (variable.at("name") == name)
                return variable.at("value");
        }
        return "<missing>";
    }
};

TEST_F(BatchScenario, OneResultALineInInputOrderWhateverTheJobs) {
    std::string macros;
    const char* sections[] = {"HEA-200", "IPE-300", "HEA-100", "IPE-200"};
    for (int i = 0; i < 40; ++i) {
        macros += macroLine(sections[i % 4], i % 3 == 0 ? "16" : "20") + "\n";
        if (i == 5)
            macros += "{\"name\": \"EndPlate\"\n";
        if (i == 6)
            macros += "\n";
    }
    scratchFile("model.jsonl", macros);
    const std::string command =
        "batch EndPlate --library " + quoted(kLibrary) + " --macros model.jsonl";
    const ProgramRun one = run(command + " --jobs 1");
    EXPECT_EQ(one.exitCode, 1) << "one line failed";
    const std::vector<nlohmann::json> results = resultLines(one.out);
    ASSERT_EQ(results.size(), 41u) << "a blank line gives no result";
    EXPECT_EQ(results[0].at("line"), 1);
    EXPECT_TRUE(results[0].at("ok"));
    EXPECT_EQ(value(results[0], "PlateWidth"), "220");
    EXPECT_EQ(value(results[1], "Beam"), "IPE-300");
    EXPECT_EQ(results[6].at("line"), 7);
    EXPECT_FALSE(results[6].at("ok"));
    EXPECT_NE(results[6].at("error").get<std::string>().find("not valid JSON"), std::string::npos);
    EXPECT_EQ(results[7].at("line"), 8);
    EXPECT_EQ(results[8].at("line"), 10) << "numbered as the file's lines, the blank one too";
    EXPECT_TRUE(results[8].at("ok"));
    for (const char* jobs : {" --jobs 3", ""}) {
        const ProgramRun many = run(command + jobs);
        EXPECT_EQ(many.exitCode, 1);
        EXPECT_EQ(many.out, one.out) << "the same results, in the same order:" << jobs;
    }
}

TEST_F(BatchScenario, OutputFileExitCodesAndUsage) {
    scratchFile("good.jsonl", macroLine("HEA-200", "20") + "\n" + macroLine("IPE-200", "16"));
    const ProgramRun written = run("batch EndPlate --library " + quoted(kLibrary) +
                                   " --macros good.jsonl --out results.jsonl");
    EXPECT_EQ(written.exitCode, 0) << written.err;
    EXPECT_TRUE(written.out.empty());
    const std::vector<nlohmann::json> results =
        resultLines(readFile(scratch_.path() / "results.jsonl"));
    ASSERT_EQ(results.size(), 2u);
    EXPECT_EQ(value(results[1], "Beam"), "IPE-200");

    const ProgramRun over = run("batch EndPlate --library " + quoted(kLibrary) +
                                " --macros good.jsonl --out good.jsonl");
    EXPECT_EQ(over.exitCode, 1);
    EXPECT_NE(over.err.find("which this evaluation reads"), std::string::npos);
    EXPECT_EQ(run("batch EndPlate --macros missing.jsonl").exitCode, 1);
    EXPECT_EQ(run("batch EndPlate --macros good.jsonl --jobs -1").exitCode, 2);
    EXPECT_EQ(run("batch EndPlate").exitCode, 2) << "--macros is required";
}

} // namespace
