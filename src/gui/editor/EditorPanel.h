#pragma once
// The editor panel: every control that shows and edits the current slot's
// officer (能力, 特技, 个人, 形象, 性格, 人际, 年份, 相性), its quick actions
// (能力全满, 全部技能, 确认修改, 撤销修改) and the two Japanese-to-Chinese
// commands. The controls stand on the main window's client area at the
// places the form file gives; this object builds them there, binds them to
// the core's field tables by name and handles them.
#include <QList>
#include <QObject>
#include <array>
#include <memory>
#include <string>

#include "core/editor/PanelValues.h"
#include "core/language/UiLanguage.h"

class FaceArchivePair;
struct FacePickerRunState;
class GbkLineEdit;
class GbkMemo;
class OfficerDocument;
class PanelSession;
class PortraitPanel;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QWidget;
class RosterPickers;
namespace Ui {
class EditorPanel;
}

class EditorPanel : public QObject {
  Q_OBJECT

 public:
  EditorPanel(QWidget* client, PanelSession& session, const FaceArchivePair& archives,
              FacePickerRunState& facePicker, QObject* parent);
  ~EditorPanel() override;

  // --- handlers ---------------------------------------------------------------
  void ConfirmEdits();  // 确认修改
  // 撤销修改, and a new current slot: every control shows the current
  // slot's officer, unconfirmed edits are gone.
  void ShowCurrentOfficer();
  void CheckAllSkills();                // 全部技能
  void RaiseAbilitiesToUsualMaximum();  // 能力全满
  void ConvertShownOfficer();           // 此人日文-->中文
  void ConvertAllOfficers();            // 所有武将日文-->中文

  // The game's words (enumeration items, skills, roster entries) in the
  // language, for a live switch too: selections and check states stay and
  // nothing counts as edited.
  void ShowVocabularyIn(UiLanguage language);

  // Empties every control (also after a load).
  void ClearEditorPanel();
  // Sets every control but the skills from the current slot.
  void ShowOfficer();
  void ShowSkills();
  // What the controls hold now.
  PanelValues CurrentValues() const;
  // The player changed the shown officer in the panel and has not confirmed.
  bool HasUnconfirmedEdits() const;

  RosterPickers& Roster() { return *roster_; }
  PortraitPanel& Portrait() { return *portrait_; }

 signals:
  // A control changed, or the panel settled what it shows: whether the
  // panel holds unconfirmed edits may have changed.
  void editsChanged();

 protected:
  // The language changed: captions and tooltips anew.
  bool event(QEvent* event) override;

 private:
  // editsChanged() for every control the player edits.
  void WatchEdits();
  // After a confirmation: the 提醒 of the officer beside 确认修改.
  void ShowReminders();
  void ShowValues(const PanelValues& panel);
  // Surname, given name, courtesy name and biography (GBK bytes).
  void ShowTexts(const ShownTextSet& texts);
  // Each of the four boxes tells in its tooltip how the game will show its
  // text once confirmed, characters that cannot be stored marked, above the
  // field's meaning.
  void ShowStoredForms();
  // The box of a refused value takes the focus, its text selected.
  void FocusControl(std::string_view control);
  // The four texts as shown now count as confirmed.
  void SettleTexts();

  PanelSession& session_;
  OfficerDocument& document_;
  std::unique_ptr<Ui::EditorPanel> ui_;
  QWidget* client_;
  // True while the panel's own command changes the table.
  bool ownChange_ = false;
  struct OwnChange {
    explicit OwnChange(bool& flag) : flag_(flag) { flag_ = true; }
    ~OwnChange() { flag_ = false; }
    OwnChange(const OwnChange&) = delete;
    OwnChange& operator=(const OwnChange&) = delete;
    bool& flag_;
  };
  // The controls in the orders of the core's field tables, found by name.
  std::array<QComboBox*, kEnumerationCount> enumerationPickers_{};
  std::array<QLineEdit*, kNumberFieldCount> numberEdits_{};
  std::array<QCheckBox*, kSkillBoxCount> skillBoxes_{};
  // What the panel held when it last showed or confirmed an officer.
  PanelValues settledValues_;
  RosterPickers* roster_;
  PortraitPanel* portrait_;
};
