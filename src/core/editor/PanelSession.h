#pragma once
// The editor panel's side of the document: which slot the panel shows,
// whether an officer was shown since the last load, and the texts last
// shown (a confirmation keeps the bytes of what the player left alone).
// Records change only through the document's flows, one step each.
#include <QObject>

#include "core/convert/ShownTextSet.h"
#include "core/editor/PanelValues.h"

class OfficerDocument;

class PanelSession : public QObject {
  Q_OBJECT

 public:
  explicit PanelSession(OfficerDocument& document, QObject* parent = nullptr);

  OfficerDocument& Document() const { return document_; }
  int CurrentSlot() const { return currentSlot_; }
  // True once an officer has been shown since the last load: only then does
  // a confirmation have a panel to write.
  bool HasShownOfficer() const { return hasShownOfficer_; }
  const ShownTextSet& ShownTexts() const { return shownTexts_; }
  // The script the panel's texts were last shown in (the document's then):
  // a confirmation reads them in it, also after the document's changed.
  OfficerTextScript ShownScript() const { return shownScript_; }

  // The list selected the row of `slot`: it becomes the current slot.
  void SelectSlot(int slot);
  // What the panel shows for the current slot; its texts become the texts
  // last shown.
  PanelValues ShowCurrent();
  // Writes the panel into the current slot, all or nothing: an impossible
  // value throws ImpossibleValue and nothing of the slot changes. Before any
  // officer has been shown it writes nothing.
  void Confirm(const PanelValues& panel);

  // Converts the current slot's Japanese texts (then shown with
  // ShowCurrentTexts); Chinese texts keep their bytes.
  void ConvertCurrent();
  // Converts the Japanese texts of every slot, listed or not.
  struct ConversionCount {
    int converted = 0;       // officers that had Japanese texts
    int alreadyChinese = 0;  // officers with texts, all of them Chinese
  };
  ConversionCount ConvertAll();
  // The current slot's four texts as the panel shows them (in ShownScript());
  // they become the texts last shown.
  ShownTextSet ShowCurrentTexts();

 signals:
  // Open or reload: nothing is shown, the first slot is the current one.
  void sessionReset();
  // The list selected the row of a slot, now the current one.
  void currentSlotChanged(int slot);

 private:
  OfficerDocument& document_;
  int currentSlot_ = 0;
  bool hasShownOfficer_ = false;
  ShownTextSet shownTexts_;
  OfficerTextScript shownScript_ = OfficerTextScript::Simplified;
};
