#include "core/faces/FaceSelection.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <optional>

namespace {

[[noreturn]] void Refuse(const QString& message) { throw FaceSelectionError(message.toStdString()); }

// A decimal number of at most nine digits; nullopt for anything else.
std::optional<int> Number(const QString& text) {
  const QString digits = text.trimmed();
  if (digits.isEmpty() || digits.size() > 9) return std::nullopt;
  for (QChar c : digits) {
    if (c < u'0' || c > u'9') return std::nullopt;
  }
  return digits.toInt();
}

QString NoFaceReason(int face, int addedFaces) {
  if (face >= kFirstAddedFace) {
    return QCoreApplication::translate("FaceSelection", "头像 %1 不存在：追加头像档只有 %2 个头像（%3–%4）")
        .arg(face)
        .arg(addedFaces)
        .arg(kFirstAddedFace)
        .arg(kFirstAddedFace + addedFaces - 1);
  }
  if (face > kLastMainFace) return QCoreApplication::translate("FaceSelection", "头像 %1 不存在：1594 至 1999 号不是头像").arg(face);
  return QCoreApplication::translate("FaceSelection", "头像 %1 不存在：游戏没有这个编号的头像").arg(face);
}

}  // namespace

bool FaceExists(int face, int addedFaces) {
  if (face < 0) return false;
  if (face >= kFirstAddedFace) return face - kFirstAddedFace < addedFaces;
  if (face > kLastMainFace) return false;
  return !std::binary_search(kSkippedFaces.begin(), kSkippedFaces.end(), face);
}

void RequireFace(int face, int addedFaces) {
  if (!FaceExists(face, addedFaces)) Refuse(NoFaceReason(face, addedFaces));
}

std::vector<int> AllFaces(int addedFaces) {
  std::vector<int> faces;
  faces.reserve(static_cast<std::size_t>(kMainFaceCount + std::max(addedFaces, 0)));
  for (int position = 0; position < kMainFaceCount + addedFaces; ++position) faces.push_back(FaceAtPosition(position));
  return faces;
}

std::vector<int> ParseFaceSelection(const QString& text, int addedFaces) {
  std::vector<int> faces;
  const QStringList parts = text.split(u',');
  for (const QString& part : parts) {
    const qsizetype dash = part.indexOf(u'-');
    if (dash < 0) {
      const std::optional<int> face = Number(part);
      if (!face)
        Refuse(
            QCoreApplication::translate("FaceSelection", "头像编号“%1”看不懂：应为数字或范围，如 0-99,131,2000-2002").arg(part.trimmed()));
      RequireFace(*face, addedFaces);
      faces.push_back(*face);
      continue;
    }
    const std::optional<int> first = Number(part.left(dash));
    const std::optional<int> last = Number(part.mid(dash + 1));
    if (!first || !last || *first > *last) {
      Refuse(QCoreApplication::translate("FaceSelection", "头像范围“%1”看不懂：应为 起-止，如 2000-2002").arg(part.trimmed()));
    }
    const std::size_t before = faces.size();
    for (int face = *first; face <= *last && face >= 0; ++face) {
      if (face > kLastMainFace && face < kFirstAddedFace) face = kFirstAddedFace;
      if (face > *last || face - kFirstAddedFace >= addedFaces) break;
      if (FaceExists(face, addedFaces)) faces.push_back(face);
    }
    if (faces.size() == before) Refuse(QCoreApplication::translate("FaceSelection", "头像范围“%1”中没有头像").arg(part.trimmed()));
  }
  std::sort(faces.begin(), faces.end());
  faces.erase(std::unique(faces.begin(), faces.end()), faces.end());
  return faces;
}
