#pragma once
// The run's registration file: the open file, the table of 110 slots, and
// the steps that changed the table since it was read. Every change to a
// record goes through a flow here, so that it is one step that can be taken
// back; the list (OfficerListModel), the panel (PanelSession) and the
// exchange files (DocumentExchange) change records only through them.
#include <QObject>
#include <QString>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/check/FileDoubt.h"
#include "core/language/UiLanguage.h"
#include "core/document/EditHistory.h"
#include "core/officers/BackupFolder.h"
#include "core/officers/DiskStamp.h"
#include "core/officers/OfficerFile.h"
#include "core/officers/OfficerRecord.h"

// The file on disk is no longer the one the document read: another program
// changed it, or it was deleted. Nothing was written.
class FileChangedError : public OfficerFileError {
 public:
  using OfficerFileError::OfficerFileError;
};

class OfficerDocument : public QObject {
  Q_OBJECT

 public:
  explicit OfficerDocument(QObject* parent = nullptr);

  bool HasFile() const { return !filePath_.isEmpty(); }
  const QString& FilePath() const { return filePath_; }
  const OfficerTable& Table() const { return table_; }
  const OfficerRecord& Record(int slot) const { return table_[static_cast<std::size_t>(slot)]; }
  bool IsModified() const { return modified_; }
  // The file's first 28,604 bytes with the table over them: what a save
  // would write, save marks aside. Needs no file on disk.
  std::vector<unsigned char> CurrentHead() const;

  static bool IsSlot(int slot) { return slot >= 0 && slot < static_cast<int>(kSlotCount); }

  // --- file -----------------------------------------------------------------
  // Reads the file first: one that cannot be loaded throws OfficerFileError
  // and leaves the document as it was. A file that may be no officer file
  // (FileDoubt.h) opens only when `openDoubtful`, given, says yes to its
  // doubts; it may also throw, and the document stays as it was. Otherwise
  // the file becomes the open one, its slots replace the table and the
  // history starts anew. False when the file was not opened.
  bool Open(const QString& path, const std::function<bool(const std::vector<FileDoubt>& doubts)>& openDoubtful = {});
  // Open() of the open file; HasFile() must hold. The .bak keeps the file
  // as it was before the first save since it was opened.
  void Reload();

  // How the open file on disk compares with what the document read or last
  // wrote.
  enum class DiskState { Same, Changed, Missing };
  DiskState CheckDisk() const;
  // The file as it is on disk now.
  DiskStamp DiskNow() const;

  struct SaveChoice {
    // Write even though the file changed on disk (or was deleted) since it
    // was read; otherwise that throws FileChangedError.
    bool overwriteChanged = false;
    // Save without the dated copy in the backups folder (the player agreed,
    // the folder could not be written).
    bool withoutDatedCopy = false;
    // Told each step of the write (SaveOptions::stepObserver).
    SaveStepObserver stepObserver;
  };
  // Saves the table into the open file, HasFile() must hold: first a dated
  // copy of the file as it is on disk into its backups folder (a folder
  // that cannot be written throws BackupFolderError before anything is
  // written), then the .bak on the first save, then the file itself. A
  // file that is no longer there is written anew from the bytes read at
  // open.
  void Save(const SaveChoice& choice);
  void Save();
  // Writes the table as a copy at `path` and makes that the open file: the
  // header and preserved bytes are the open file's, an existing file there
  // is backed up and replaced.
  void SaveAs(const QString& path);
  // The dated copy the last save made or found identical; empty for none.
  const std::optional<BackupCopyResult>& LastDatedCopy() const { return lastDatedCopy_; }
  // The file's dated copies, oldest first.
  std::vector<BackupCopy> DatedCopies() const;
  // Brings back a copy (a dated copy, the .bak) as the table to save, one
  // step that can be undone; once saved, the file is that copy's bytes, the
  // save marks aside. A copy that cannot be read throws OfficerFileError.
  void RestoreCopy(const std::filesystem::path& copy);

  // --- history ---------------------------------------------------------------
  // Every change to the table is one step; open and reload start anew, a
  // save does not. The table is unmodified whenever it is back at the state
  // last saved.
  bool CanUndo() const { return history_.CanUndo(); }
  bool CanRedo() const { return history_.CanRedo(); }
  std::string UndoName() const { return history_.UndoName(); }
  std::string RedoName() const { return history_.RedoName(); }
  void Undo();
  void Redo();

  // --- changing records -----------------------------------------------------------
  struct SlotChange {
    int slot = 0;
    OfficerRecord record;
  };
  // Puts the records into their slots as confirmed, unsaved changes: one
  // step named `stepName` (UTF-8), none when no record differs. Changes of
  // no slot are left out.
  void ChangeRecords(const std::vector<SlotChange>& changes, std::string stepName);
  // A whole record into a slot, one step named "修改 <officer>" or as given.
  void ReplaceRecord(int slot, const OfficerRecord& record);
  void ReplaceRecord(int slot, const OfficerRecord& record, std::string stepName);
  // 粘贴到此武将: the record copied from `sourceSlot` into `targetSlot`, its
  // links to itself following it (PastedRecord); one step "粘贴到 <target
  // as it was>".
  void PasteRecord(int targetSlot, const OfficerRecord& copied, int sourceSlot);
  // 清空此武将: the slot as never filled (EmptySlotRecord); one step
  // "清空 <officer>".
  void ClearSlot(int slot);
  // The officer's name as steps and questions give it (SlotName, for messages).
  std::string NameOf(int slot) const;

  // --- how officer texts are shown ------------------------------------------
  // Every view of the table (list, panel, pickers, messages, exports) shows
  // the stored texts in this script; simplified until set.
  OfficerTextScript TextScript() const { return textScript_; }
  // Signals textScriptChanged when the script differs: every view redraws.
  void SetTextScript(OfficerTextScript script);

 signals:
  // Open or reload: every slot may differ.
  void tableReplaced();
  // Save as: the open file is another one now.
  void fileRenamed();
  // The record of a slot changed (a confirmation, a conversion, an import).
  void recordChanged(int slot);
  void modifiedChanged(bool modified);
  // A step was taken, undone or redone, or the history started anew.
  void historyChanged();
  // SetTextScript chose the other script.
  void textScriptChanged();

 private:
  void SetModified(bool modified);
  // Puts a record into a slot; signals when it differs.
  void Change(int slot, const OfficerRecord& record);
  // Ends a flow that started from `before`: a step when anything changed.
  void Finish(std::string stepName, const OfficerTable& before);
  void Restore(const OfficerTable& table);
  // The bytes a save takes the header and preserved bytes from, when not
  // the file's own: a restored copy's while its step is in effect.
  std::vector<unsigned char> RestoredBase() const;
  // After a save: the history's present state is the file's.
  void TakeSaved(const std::filesystem::path& path);

  QString filePath_;
  std::vector<unsigned char> head_;  // the file's first 28,604 bytes as read or last saved
  OfficerTable table_{};
  bool modified_ = false;
  EditHistory history_;
  bool backedUp_ = false;  // this session's first save made the backup
  DiskStamp stamp_;        // the file as read or last written
  std::optional<BackupCopyResult> lastDatedCopy_;
  // A copy brought back: its header and preserved bytes are saved while
  // its step is in effect (the history's position at least `position`).
  struct RestoredCopy {
    std::vector<unsigned char> head;
    std::size_t position = 0;
  };
  std::optional<RestoredCopy> restored_;
  OfficerTextScript textScript_ = OfficerTextScript::Simplified;
};
