#include "cli/FaceCommands.h"

#include <QCoreApplication>

namespace {

QString Translated(const char* text) { return QCoreApplication::translate("FaceCommandText", text); }

struct FaceCommandText {
  const char* name;
  const char* synopsis;  // after "velmedit faces "
  const char* body;
};

constexpr const char* kGameLine =
    QT_TRANSLATE_NOOP("FaceCommandText", "  --game 安装目录    Velmora 的安装目录（含 grp 文件夹）；不给时用编辑器所用的目录。\n");
constexpr const char* kHelpLine = QT_TRANSLATE_NOOP("FaceCommandText", "  -h, --help         显示本说明后退出。\n");

constexpr FaceCommandText kFaceCommands[] = {
    {"export", QT_TRANSLATE_NOOP("FaceCommandText", "export [--game 安装目录] --out 文件夹 [--faces 0-99,131,2000-2002]"),
     QT_TRANSLATE_NOOP("FaceCommandText",
                       "把头像写成 PNG 图片，每个头像一个文件，以四位数的头像编号命名（0131.png、2000.png）：\n"
                       "64 × 80，256 色，用头像自己的调色板，与头像档中的像素完全相同。\n"
                       "\n选项：\n"
                       "  --out 文件夹       写入图片的文件夹，没有时建立；同名图片会被替换。\n"
                       "  --faces 编号       只写这些头像：编号或范围，以逗号分隔；范围跳过不存在的编号，\n"
                       "                     单个不存在的编号会被拒绝。不给时写全部头像。\n")},
    {"sheet", QT_TRANSLATE_NOOP("FaceCommandText", "sheet [--game 安装目录] --out 总览图.png [--faces 编号] [--columns 20]"),
     QT_TRANSLATE_NOOP("FaceCommandText",
                       "把头像按编号顺序排成一张 PNG 总览图，原大小，每个头像下面写着它的编号。\n"
                       "\n选项：\n"
                       "  --out 总览图.png   要写出的图片。\n"
                       "  --faces 编号       只排这些头像（写法同 export）；不给时排全部头像。\n"
                       "  --columns 数目     每行的头像数，1–200，默认 20。\n")},
    {"import",
     QT_TRANSLATE_NOOP("FaceCommandText",
                       "import [--game 安装目录] --face 编号 图片 [--fit crop|pad] [--palette new|keep] [--dry-run] [--preview 预览.png]\n"
                       "  velmedit faces import [--game 安装目录] --from 文件夹 [--fit crop|pad] [--palette new|keep] [--dry-run]"),
     QT_TRANSLATE_NOOP("FaceCommandText",
                       "把图片（PNG、JPEG、BMP 或 GIF）做成头像，直接写入游戏的头像档，只改变这个头像的 6144 字节。\n"
                       "第一次替换前把头像档复制为 grpfaces.vmr.bak / grpaface.vmr.bak；已有的备份不会被覆盖。\n"
                       "64 × 80 的图片不缩放：export 写出的 256 色图片原样写回。\n"
                       "\n选项：\n"
                       "  --face 编号        要替换的头像。\n"
                       "  --from 文件夹      写入文件夹中所有 NNNN.png（如 0131.png），每个头像档只替换一次。\n"
                       "  --fit crop|pad     crop（默认）：放大到盖满 64 × 80 后裁去两边；pad：整张放进去，\n"
                       "                     空出的地方填图片边缘的颜色。\n"
                       "  --palette new|keep new（默认）：为图片选出最好的 256 色；keep：用头像原来的调色板。\n"
                       "  --dry-run          只检查、不写入。\n"
                       "  --preview 预览.png 把做成的 64 × 80 头像另存为 PNG。\n")},
    {"restore", QT_TRANSLATE_NOOP("FaceCommandText", "restore [--game 安装目录] --face 编号"),
     QT_TRANSLATE_NOOP("FaceCommandText",
                       "从备份 grpfaces.vmr.bak / grpaface.vmr.bak 取回头像原来的样子。\n"
                       "\n选项：\n"
                       "  --face 编号        要取回的头像；可以是以逗号分隔的编号或范围。\n")},
};

}  // namespace

std::string FaceCommandUsage(const QString& command) {
  const QString name = command.section(u' ', 1);
  for (const FaceCommandText& text : kFaceCommands) {
    if (name != QLatin1String(text.name)) continue;
    const QString usage = Translated(QT_TRANSLATE_NOOP("FaceCommandText", "用法：velmedit faces %1")).arg(Translated(text.synopsis));
    return (usage + u'\n' + Translated(text.body) + Translated(kGameLine) + Translated(kHelpLine)).toStdString();
  }
  QString usage = Translated(QT_TRANSLATE_NOOP("FaceCommandText", "用法：\n"));
  for (const FaceCommandText& text : kFaceCommands) usage += QStringLiteral("  velmedit faces ") + Translated(text.synopsis) + u'\n';
  return (usage + Translated(QT_TRANSLATE_NOOP("FaceCommandText", "每个命令的说明：velmedit faces 命令 --help\n"))).toStdString();
}

QString FaceCommandSynopses() {
  QString lines;
  for (const FaceCommandText& text : kFaceCommands) {
    lines += QStringLiteral("  velmedit faces ") + Translated(text.synopsis).section(u'\n', 0, 0) + u'\n';
  }
  return lines;
}
