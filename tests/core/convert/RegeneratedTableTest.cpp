// The committed character table is exactly what its generator makes from
// glibc's iconv, OpenCC's dictionaries and the Unicode data, so the two cannot drift apart;
// so are the code pages, made from glibc's iconv.
#include <gtest/gtest.h>

#include <QProcess>
#include <QStringList>
#include <filesystem>

#include "core/convert/CommittedTable.h"
#include "support/TempDir.h"

TEST(CharacterTableFile, IsWhatTheGeneratorMakes) {
#ifndef VELM_GEN_CHAR_TABLE
  GTEST_SKIP() << "the table generator is not built (its libraries are missing)";
#else
  TempDir dir;
  const std::filesystem::path made = dir / "CharacterTable.bin";

  QProcess generator;
  generator.start(QStringLiteral(VELM_GEN_CHAR_TABLE), {QString::fromStdString(made.string())});
  ASSERT_TRUE(generator.waitForFinished(120000)) << "the generator did not finish";
  ASSERT_EQ(generator.exitStatus(), QProcess::NormalExit);
  ASSERT_EQ(generator.exitCode(), 0) << generator.readAllStandardError().toStdString();

  const auto committed = ReadBytes(CommittedTablePath());
  const auto regenerated = ReadBytes(made);
  ASSERT_EQ(regenerated.size(), 121756u);
  EXPECT_TRUE(committed == regenerated)
      << "src/core/convert/CharacterTable.bin differs from the generator's output; rebuild it with the "
         "update_char_table target";
#endif
}

TEST(CodePagesFile, IsWhatTheGeneratorMakes) {
#ifndef VELM_GEN_CODE_PAGES
  GTEST_SKIP() << "the code page generator is not built (iconv is missing)";
#else
  TempDir dir;
  const std::filesystem::path made = dir / "CodePages.bin";

  QProcess generator;
  generator.start(QStringLiteral(VELM_GEN_CODE_PAGES), {QString::fromStdString(made.string())});
  ASSERT_TRUE(generator.waitForFinished(60000)) << "the generator did not finish";
  ASSERT_EQ(generator.exitCode(), 0) << generator.readAllStandardError().toStdString();
  EXPECT_TRUE(ReadBytes(CommittedTablePath("CodePages.bin")) == ReadBytes(made))
      << "src/core/convert/CodePages.bin differs from the generator's output; rebuild it with the "
         "update_code_pages target";
#endif
}
