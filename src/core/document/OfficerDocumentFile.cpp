// The document's file flows: open, reload, save, save as, the file on disk
// compared with what was read, and the copies that can be brought back.
#include "core/document/OfficerDocument.h"
#include "core/language/CoreText.h"

namespace {

std::string Tr(const char* text, std::initializer_list<std::string_view> pieces = {}) { return CoreText("OfficerDocument", text, pieces); }

std::filesystem::path PathOf(const QString& path) { return path.toStdU16String(); }

std::string Quoted(const QString& path) { return "“" + path.toStdString() + "”"; }

}  // namespace

bool OfficerDocument::Open(const QString& path, const std::function<bool(const std::vector<FileDoubt>&)>& openDoubtful) {
  // Read first: a file that cannot be loaded leaves the open file and the
  // table as they were, so a later save cannot write the previous officers
  // into it.
  std::vector<unsigned char> head = LoadOfficerFileHead(PathOf(path));
  if (openDoubtful) {
    const std::vector<FileDoubt> doubts = DoubtsAboutFile(path, head);
    if (!doubts.empty() && !openDoubtful(doubts)) return false;
  }
  const OfficerTable table = TableOfHead(head);
  backedUp_ = false;
  filePath_ = path;
  table_ = table;
  head_ = std::move(head);
  stamp_ = ReadDiskStamp(PathOf(path));
  restored_.reset();
  history_.Clear();
  SetModified(false);
  emit tableReplaced();
  emit historyChanged();
  return true;
}

void OfficerDocument::Reload() {
  // Reading the file again keeps the session's backup: the .bak still holds
  // the file as it was before its first save.
  const bool backedUp = backedUp_;
  if (Open(filePath_)) backedUp_ = backedUp;
}

DiskStamp OfficerDocument::DiskNow() const { return ReadDiskStamp(PathOf(filePath_)); }

OfficerDocument::DiskState OfficerDocument::CheckDisk() const {
  const DiskStamp now = DiskNow();
  if (!now.exists) return DiskState::Missing;
  return now.SameContent(stamp_) ? DiskState::Same : DiskState::Changed;
}

void OfficerDocument::Save() { Save(SaveChoice{}); }

void OfficerDocument::Save(const SaveChoice& choice) {
  const std::filesystem::path path = PathOf(filePath_);
  const DiskState disk = CheckDisk();
  if (disk != DiskState::Same && !choice.overwriteChanged) {
    throw FileChangedError(
        disk == DiskState::Missing
            ? Tr(QT_TRANSLATE_NOOP("OfficerDocument", "文件 %1 已不在原处（被删除或移走）；未保存"), {Quoted(filePath_)})
            : Tr(QT_TRANSLATE_NOOP("OfficerDocument", "文件 %1 在读入后被其他程序改变；未保存，以免覆盖那些改变"), {Quoted(filePath_)}));
  }
  lastDatedCopy_.reset();
  if (disk != DiskState::Missing && !choice.withoutDatedCopy) lastDatedCopy_ = CopyIntoBackupFolder(path);
  SaveOptions options;
  options.headWhenMissing = head_;
  options.base = RestoredBase();
  options.stepObserver = choice.stepObserver;
  try {
    options.backup = backedUp_ ? BackupMode::Keep : BackupMode::Make;
    head_ = SaveOfficerFile(path, table_, options);
  } catch (const OfficerFileError& e) {
    // The backup made for this save is the file as opened: a later save
    // must not put the replaced file in its place.
    if (e.FileReplaced()) {
      backedUp_ = true;
      stamp_ = ReadDiskStamp(path);  // our own write, not another program's
    }
    throw;
  }
  backedUp_ = true;
  TakeSaved(path);
}

void OfficerDocument::SaveAs(const QString& path) {
  if (path == filePath_) {
    SaveChoice overwrite;
    overwrite.overwriteChanged = true;
    return Save(overwrite);
  }
  SaveOptions options;
  options.headWhenMissing = head_;
  options.base = RestoredBase();
  if (options.base.empty()) options.base = head_;
  const std::filesystem::path target = PathOf(path);
  const bool replacing = ReadDiskStamp(target).exists;
  lastDatedCopy_.reset();
  if (replacing) lastDatedCopy_ = CopyIntoBackupFolder(target);
  head_ = SaveOfficerFile(target, table_, options);
  filePath_ = path;
  backedUp_ = replacing;  // a replaced file's .bak holds what it was
  TakeSaved(target);
  emit fileRenamed();
}

std::vector<unsigned char> OfficerDocument::RestoredBase() const {
  if (restored_ && history_.Position() >= restored_->position) return restored_->head;
  return {};
}

void OfficerDocument::TakeSaved(const std::filesystem::path& path) {
  stamp_ = ReadDiskStamp(path);
  restored_.reset();
  history_.MarkSaved();
  SetModified(false);
}

std::vector<BackupCopy> OfficerDocument::DatedCopies() const { return ListBackupCopies(PathOf(filePath_)); }

void OfficerDocument::RestoreCopy(const std::filesystem::path& copy) {
  std::vector<unsigned char> head = LoadOfficerFileHead(copy);
  const OfficerTable before = table_;
  const OfficerTable restored = TableOfHead(head);
  for (int slot = 0; slot < static_cast<int>(kSlotCount); ++slot) Change(slot, restored[static_cast<std::size_t>(slot)]);
  const std::u8string name = copy.filename().u8string();
  Finish(Tr(QT_TRANSLATE_NOOP("OfficerDocument", "恢复备份 %1"), {std::string(name.begin(), name.end())}), before);
  restored_ = RestoredCopy{std::move(head), history_.Position()};
  // The header may differ even when every officer is the same.
  SetModified(true);
}
