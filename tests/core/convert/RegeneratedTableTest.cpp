// The committed character table is exactly what its generator makes from
// glibc's iconv, OpenCC's dictionaries and the Unicode data, so the two cannot drift apart;
// so are the code pages, made from glibc's iconv.
#include <gtest/gtest.h>

#include <QProcess>
#include <QStringList>
#include <filesystem>
#include <string>
#include <vector>

#include "core/convert/CommittedTable.h"
#include "support/TempDir.h"

namespace {

// The bytes `generator` writes for the committed file `name`; empty after a
// failure, which it records.
std::vector<unsigned char> Regenerated(const QString& generator, const char* name) {
  TempDir dir;
  const std::filesystem::path made = dir / name;
  QProcess process;
  process.start(generator, {QString::fromStdString(made.string())});
  if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
    ADD_FAILURE() << "the generator failed: " << process.readAllStandardError().toStdString();
    return {};
  }
  return ReadBytes(made);
}

std::string Stale(const char* name, const char* target) {
  return std::string("src/core/convert/") + name + " differs from the generator's output; rebuild it with the " +
         target + " target";
}

}  // namespace

TEST(CharacterTableFile, IsWhatTheGeneratorMakes) {
#ifndef VELM_GEN_CHAR_TABLE
  GTEST_SKIP() << "the table generator is not built (its libraries are missing)";
#else
  const auto regenerated = Regenerated(QStringLiteral(VELM_GEN_CHAR_TABLE), "CharacterTable.bin");
  ASSERT_EQ(regenerated.size(), 121756u);
  EXPECT_TRUE(ReadBytes(CommittedTablePath()) == regenerated)
      << Stale("CharacterTable.bin", "update_char_table");
#endif
}

TEST(CodePagesFile, IsWhatTheGeneratorMakes) {
#ifndef VELM_GEN_CODE_PAGES
  GTEST_SKIP() << "the code page generator is not built (iconv is missing)";
#else
  const auto regenerated = Regenerated(QStringLiteral(VELM_GEN_CODE_PAGES), "CodePages.bin");
  EXPECT_TRUE(ReadBytes(CommittedTablePath("CodePages.bin")) == regenerated)
      << Stale("CodePages.bin", "update_code_pages");
#endif
}
