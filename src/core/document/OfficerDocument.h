#pragma once
// The run's registration file and everything the editor does with it: the
// open file, the table of 110 slots, the slot the panel shows, which slots
// the list holds and in which order, the texts last shown, and whether the
// table holds changes that are not saved yet.
//
// Every command of the window is a flow here; the window only moves values
// between its controls and these methods and redraws what the signals name.
#include <QObject>
#include <QString>
#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/check/FileDoubt.h"
#include "core/document/EditHistory.h"
#include "core/editor/PanelValues.h"
#include "core/exchange/ExchangeDocument.h"
#include "core/exchange/ExchangeExport.h"
#include "core/exchange/ExchangeImport.h"
#include "core/convert/ShownTextSet.h"
#include "core/list/OfficerFinder.h"
#include "core/list/OfficerList.h"
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

  // --- state ----------------------------------------------------------------
  bool HasFile() const { return !filePath_.isEmpty(); }
  const QString& FilePath() const { return filePath_; }
  const OfficerTable& Table() const { return table_; }
  const OfficerRecord& Record(int slot) const { return table_[static_cast<std::size_t>(slot)]; }
  int CurrentSlot() const { return currentSlot_; }
  // True once an officer has been shown since the last load: only then does
  // a confirmation have a panel to write.
  bool HasShownOfficer() const { return hasShownOfficer_; }
  const std::array<bool, kSlotCount>& SlotVisible() const { return slotVisible_; }
  SortState Sort() const { return sort_; }
  const ShownTextSet& ShownTexts() const { return shownTexts_; }
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
  // the file becomes the open one, its slots replace the table, every slot
  // is listed again, nothing is shown and the history starts anew. False
  // when the file was not opened.
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

  // --- exchange files ----------------------------------------------------------
  // The current table's officers (all when `onlySlots` is empty).
  ExchangeDocument Export(const std::vector<int>& onlySlots = {}) const;
  // What an exchange document would change in the current table; nothing
  // changes yet. The header and preserved bytes stay the file's.
  ImportDecision DecideImport(const ExchangeDocument& document) const;
  // Takes the changed slots of an accepted decision into the table as
  // confirmed, unsaved changes; one step named after the file (UTF-8).
  void ApplyImport(const ImportDecision& decision, const std::string& sourceName);

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

  // --- the panel --------------------------------------------------------------
  // The list selected the row of `slot`: it becomes the current slot.
  void SelectSlot(int slot);
  // What the panel shows for the current slot; its texts become the texts
  // last shown.
  PanelValues ShowCurrent();
  // Writes the panel into the current slot, all or nothing: an impossible
  // value throws ImpossibleValue and nothing of the slot changes. Before any
  // officer has been shown it writes nothing.
  void Confirm(const PanelValues& panel);

  // Puts a whole record into a slot as a confirmed, unsaved change, one
  // step named "修改 <officer>" or as given (UTF-8).
  void ReplaceRecord(int slot, const OfficerRecord& record);
  void ReplaceRecord(int slot, const OfficerRecord& record, std::string stepName);
  // 粘贴到此武将: the record copied from `sourceSlot` into `targetSlot`, its
  // links to itself following it (PastedRecord); one step "粘贴到 <target
  // as it was>".
  void PasteRecord(int targetSlot, const OfficerRecord& copied, int sourceSlot);
  // 清空此武将: the slot as never filled (EmptySlotRecord); one step
  // "清空 <officer>".
  void ClearSlot(int slot);

  // --- the list ---------------------------------------------------------------
  // Reads the five search boxes (UTF-8); a box that holds no integer throws
  // ConvertError and nothing changes. The list holds the matching slots.
  void Search(const std::array<std::string, 5>& texts);
  // 查找武将: the list holds the slots matching every criterion; the number
  // of them.
  int Find(const FindCriteria& criteria);
  // A click on a column header: the next sort state.
  SortState SortBy(int column);
  // The listed slots in the order of the sort state (the table's values
  // decide; equal rows keep the given order).
  std::vector<int> SortedSlots(const std::vector<int>& listed) const;

  // --- Japanese texts -----------------------------------------------------------
  // Converts the current slot's Japanese texts (then shown with
  // ShowCurrentTexts); Chinese texts keep their bytes.
  void ConvertCurrent();
  // Converts the Japanese texts of every slot, listed or not.
  struct ConversionCount {
    int converted = 0;       // officers that had Japanese texts
    int alreadyChinese = 0;  // officers with texts, all of them Chinese
  };
  ConversionCount ConvertAll();
  // The current slot's four texts as the panel shows them; they become the
  // texts last shown.
  ShownTextSet ShowCurrentTexts();

 signals:
  // Open or reload: every slot may differ; the list is filled again.
  void tableReplaced();
  // Save as: the open file is another one now.
  void fileRenamed();
  // The record of a slot changed (a confirmation, a conversion, an import).
  void recordChanged(int slot);
  // A search chose other slots for the list.
  void visibleSlotsChanged();
  // The list selected the row of a slot, now the current one.
  void currentSlotChanged(int slot);
  void modifiedChanged(bool modified);
  // A step was taken, undone or redone, or the history started anew.
  void historyChanged();

 private:
  void SetModified(bool modified);
  // Puts a record into a slot; signals when it differs.
  void Change(int slot, const OfficerRecord& record);
  // Ends a flow that started from `before`: a step when anything changed.
  void Finish(std::string stepName, const OfficerTable& before);
  void Restore(const OfficerTable& table);
  std::string NameOf(int slot) const;

  QString filePath_;
  std::vector<unsigned char> head_;  // the file's first 28,604 bytes as read or last saved
  OfficerTable table_{};
  int currentSlot_ = 0;
  bool hasShownOfficer_ = false;
  std::array<bool, kSlotCount> slotVisible_{};
  SortState sort_{};
  ShownTextSet shownTexts_;
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
};
