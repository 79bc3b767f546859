// qmtool reorder on standard input and on files: raw bytes in and out.
#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

#include "core/hebrew/LineReorder.h"

namespace {

struct ToolRun {
  int code;
  QByteArray out, err;
};

ToolRun qmtool(const QStringList& args, const QByteArray& input) {
  QProcess p;
  p.start(QStringLiteral(QM_QMTOOL), args);
  p.write(input);
  p.closeWriteChannel();
  p.waitForFinished(30000);
  return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}

TEST(ReorderTool, ReordersStandardInputAndFiles) {
  const QByteArray page("<P>\xF9\xEC\xE5\xED world</P>\r\nplain line\n\xE0\x80\xFF");
  const ToolRun viaStdin = qmtool({"reorder"}, page);
  EXPECT_EQ(viaStdin.code, 0);
  EXPECT_EQ(viaStdin.out.toStdString(), qm::hebrew::reorderLines(page.toStdString()));
  EXPECT_EQ(qmtool({"reorder"}, viaStdin.out).out, page);

  QTemporaryDir dir;
  QFile f(dir.filePath("p.htm"));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(page);
  f.close();
  EXPECT_EQ(qmtool({"reorder", f.fileName()}, {}).out, viaStdin.out);

  for (const auto& [args, input] : std::vector<std::pair<QStringList, QByteArray>>{
           {{"reorder", dir.filePath("missing.htm")}, {}}, {{"reorder"}, QByteArray("a\0b", 3)}}) {
    const ToolRun r = qmtool(args, input);
    EXPECT_NE(r.code, 0) << args.join(' ').toStdString();
    EXPECT_TRUE(r.err.startsWith("qmtool: ")) << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty());
  }
}

}  // namespace
