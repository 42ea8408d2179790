#include "gui/editor/EditorPanel.h"

#include "cli/ProgramLanguage.h"

#include <QCheckBox>
#include <algorithm>
#include <QComboBox>
#include <QEvent>
#include <QShortcut>
#include <utility>

#include "core/check/ConsistencyCheck.h"
#include "core/check/ValueRules.h"
#include "core/convert/TypedText.h"
#include "core/document/OfficerDocument.h"
#include "core/editor/PanelSession.h"
#include "gui/editor/FieldTooltips.h"
#include "gui/editor/VocabularyTexts.h"
#include "gui/faces/PortraitPanel.h"
#include "gui/list/RosterPickers.h"
#include "gui/widgets/DialogSeam.h"
#include "gui/widgets/ErrorGuard.h"
#include "gui/widgets/FormControls.h"
#include "core/convert/GbkText.h"
#include "gui/widgets/GbkTextControls.h"
#include "gui/widgets/NoteBalloon.h"
#include "ui_EditorPanel.h"

namespace {

QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// A text field's box on the form: a line edit, or the biography's memo.
GbkMemo* MemoOf(QWidget* form, const OfficerField& field) {
  return qobject_cast<GbkMemo*>(FormControl<QWidget>(form, field.control));
}

std::string BoxBytes(QWidget* form, const OfficerField& field) {
  if (GbkMemo* memo = MemoOf(form, field)) return memo->Bytes();
  return FormControl<GbkLineEdit>(form, field.control)->Bytes();
}

// `bytes` as ShownTextSet holds them in `script` (the reading always GBK).
void SetBoxBytes(QWidget* form, const OfficerField& field, const std::string& bytes, OfficerTextScript script) {
  const bool utf8 = script == OfficerTextScript::Traditional && field.coding == TextCoding::Big5;
  if (GbkMemo* memo = MemoOf(form, field)) {
    memo->SetUtf8(utf8);
    return memo->SetBytes(bytes);
  }
  auto* edit = FormControl<GbkLineEdit>(form, field.control);
  edit->SetUtf8(utf8);
  edit->SetBytes(bytes);
}

QString BoxText(QWidget* form, const OfficerField& field) {
  if (GbkMemo* memo = MemoOf(form, field)) return memo->toPlainText();
  return FormControl<GbkLineEdit>(form, field.control)->text();
}

void SetBoxLimit(QWidget* form, const OfficerField& field) {
  const auto limit = static_cast<int>(field.textLimit);
  if (GbkMemo* memo = MemoOf(form, field)) return memo->SetByteLimit(limit);
  FormControl<GbkLineEdit>(form, field.control)->SetByteLimit(limit);
}

template <typename Receiver, typename Slot>
void OnBoxEdited(QWidget* form, const OfficerField& field, Receiver* receiver, Slot slot) {
  if (GbkMemo* memo = MemoOf(form, field)) {
    QObject::connect(memo, &QPlainTextEdit::textChanged, receiver, slot);
  } else {
    QObject::connect(FormControl<GbkLineEdit>(form, field.control), &QLineEdit::textChanged, receiver, slot);
  }
}

}  // namespace

EditorPanel::EditorPanel(QWidget* client, PanelSession& session, const FaceArchivePair& archives,
                         FacePickerRunState& facePicker, QObject* parent)
    : QObject(parent),
      session_(session),
      document_(session.Document()),
      ui_(std::make_unique<Ui::EditorPanel>()),
      client_(client) {
  setObjectName(QStringLiteral("EditorPanel"));
  ui_->setupUi(client);

  for (std::size_t i = 0; i < kEnumerationCount; ++i) {
    QComboBox* picker = FormControl<QComboBox>(client, Enumerations()[i]->control);
    for (std::string_view item : Enumerations()[i]->items) picker->addItem(FromUtf8(item));
    picker->setCurrentIndex(-1);
    enumerationPickers_[i] = picker;
  }
  for (std::size_t i = 0; i < kNumberFieldCount; ++i) numberEdits_[i] = FormControl<QLineEdit>(client, NumberFields()[i]->control);
  const auto& skills = SkillLayout();
  for (std::size_t i = 0; i < kSkillBoxCount; ++i) skillBoxes_[i] = FormControl<QCheckBox>(client, skills[i].objectName);
  for (const OfficerField* field : FieldsOfKind(FieldKind::Text)) SetBoxLimit(client, *field);
  SetFieldTooltips(client);

  roster_ = new RosterPickers(client, document_, this);
  portrait_ = new PortraitPanel(client, archives, facePicker, [this] { return session_.HasShownOfficer(); }, this);

  ConnectGuarded(ui_->Btn_MConfirm, &QPushButton::clicked, this, &EditorPanel::ConfirmEdits);
  ConnectGuarded(ui_->Btn_MCancel, &QPushButton::clicked, this, &EditorPanel::ShowCurrentOfficer);
  ConnectGuarded(ui_->Btn_AllSkills, &QPushButton::clicked, this, &EditorPanel::CheckAllSkills);
  ConnectGuarded(ui_->Btn_BT, &QPushButton::clicked, this, &EditorPanel::RaiseAbilitiesToUsualMaximum);
  ConnectGuarded(ui_->Button1, &QPushButton::clicked, this, &EditorPanel::ConvertShownOfficer);
  ConnectGuarded(ui_->Button2, &QPushButton::clicked, this, &EditorPanel::ConvertAllOfficers);
  for (const QKeyCombination keys : {Qt::CTRL | Qt::Key_Return, Qt::CTRL | Qt::Key_Enter}) {
    auto* confirm = new QShortcut(QKeySequence(keys), client, nullptr, nullptr, Qt::WindowShortcut);
    ConnectGuarded(confirm, &QShortcut::activated, this, &EditorPanel::ConfirmEdits);
  }

  for (const OfficerField* field : StoredTextFields()) OnBoxEdited(client, *field, this, &EditorPanel::ShowStoredForms);

  connect(&session_, &PanelSession::sessionReset, this, &EditorPanel::ClearEditorPanel);
  // A change from elsewhere (undo, redo, an import) shows the officer anew;
  // the panel's own confirmation and conversions keep what the player sees.
  connect(&document_, &OfficerDocument::recordChanged, this, [this](int slot) {
    if (!ownChange_ && session_.HasShownOfficer() && slot == session_.CurrentSlot()) ShowCurrentOfficer();
  });
  connect(&session_, &PanelSession::currentSlotChanged, this, &EditorPanel::ShowCurrentOfficer);
  // Another script shows the officer anew, unless the player has edits not
  // yet confirmed: those stay as typed and are read in the script they were
  // typed in until the officer is shown again.
  connect(&document_, &OfficerDocument::textScriptChanged, this, [this] {
    if (session_.HasShownOfficer() && !HasUnconfirmedEdits()) ShowCurrentOfficer();
  });
  WatchEdits();
}

void EditorPanel::WatchEdits() {
  for (QComboBox* picker : enumerationPickers_) connect(picker, &QComboBox::currentIndexChanged, this, &EditorPanel::editsChanged);
  for (const OfficerField* field : Relationships()) {
    connect(FormControl<QComboBox>(client_, field->control), &QComboBox::currentIndexChanged, this, &EditorPanel::editsChanged);
  }
  for (QLineEdit* edit : numberEdits_) connect(edit, &QLineEdit::textChanged, this, &EditorPanel::editsChanged);
  for (const OfficerField* field : FieldsOfKind(FieldKind::Text)) OnBoxEdited(client_, *field, this, &EditorPanel::editsChanged);
  for (QCheckBox* box : skillBoxes_) connect(box, &QCheckBox::toggled, this, &EditorPanel::editsChanged);
}

void EditorPanel::ShowReminders() {
  const int slot = session_.CurrentSlot();
  const std::vector<Finding> reminders = SuspiciousFindings(document_.Table(), {slot});
  if (reminders.empty()) return;
  QString text = tr("已确认；请留意：");
  for (const Finding& finding : reminders) {
    text += u'\n' + QString::fromStdString(FormatFinding(finding, document_.Table(), document_.TextScript()));
  }
  NoteBalloon::ShowBeside(ui_->Btn_MConfirm, text);
}

EditorPanel::~EditorPanel() = default;

void EditorPanel::ShowVocabularyIn(UiLanguage language) {
  ShowGameVocabulary(client_, language);
  roster_->ShowRosterIn(TextScriptFor(language));
}

bool EditorPanel::event(QEvent* event) {
  // The form's retranslation sets captions and tooltips only: the boxes keep
  // the officer and what the player typed.
  if (event->type() == QEvent::LanguageChange) {
    ui_->retranslateUi(client_);
    SetFieldTooltips(client_);
    ShowGameVocabulary(client_, CurrentUiLanguage());  // the English meanings above the new tooltips
    ShowStoredForms();
  }
  return QObject::event(event);
}

void EditorPanel::ClearEditorPanel() {
  for (const OfficerField* field : FieldsOfKind(FieldKind::Text)) {
    SetBoxBytes(client_, *field, std::string(), OfficerTextScript::Simplified);
  }
  for (QLineEdit* edit : numberEdits_) edit->clear();
  for (QCheckBox* box : skillBoxes_) box->setChecked(false);
  ShowStoredForms();
  // Nothing of the officer shown before stays on screen.
  for (QComboBox* picker : enumerationPickers_) picker->setCurrentIndex(-1);
  roster_->ClearSelection();
  portrait_->Clear();
  settledValues_ = CurrentValues();
  emit editsChanged();
}

void EditorPanel::SettleTexts() {
  // The converted texts are the table's; other edits in the panel stay pending.
  const PanelValues now = CurrentValues();
  settledValues_.texts = now.texts;
  emit editsChanged();
}

bool EditorPanel::HasUnconfirmedEdits() const {
  return session_.HasShownOfficer() && CurrentValues() != settledValues_;
}

void EditorPanel::ShowOfficer() {
  if (!OfficerDocument::IsSlot(session_.CurrentSlot())) return;
  portrait_->ShowFaceNumber(document_.Record(session_.CurrentSlot()).Face);
  ShowValues(session_.ShowCurrent());
}

void EditorPanel::ShowValues(const PanelValues& panel) {
  for (std::size_t i = 0; i < kEnumerationCount; ++i) enumerationPickers_[i]->setCurrentIndex(panel.enumerations[i]);
  for (std::size_t i = 0; i < kNumberFieldCount; ++i) numberEdits_[i]->setText(QString::fromStdString(panel.numbers[i]));
  roster_->Select(panel.relationships);
  ui_->Edit_Yin->SetBytes(panel.yin);
  ShowTexts(panel.texts);
}

void EditorPanel::ShowTexts(const ShownTextSet& texts) {
  for (const OfficerField* field : StoredTextFields()) {
    SetBoxBytes(client_, *field, texts.Of(*field), session_.ShownScript());
  }
  ShowStoredForms();  // also where a text reads as the one before
}

void EditorPanel::ShowStoredForms() {
  for (const OfficerField* stored : StoredTextFields()) {
    const OfficerField& field = *stored;
    QWidget* box = FormControl<QWidget>(client_, field.control);
    const QString typed = BoxText(client_, field);
    if (!session_.HasShownOfficer() || typed.isEmpty()) {
      box->setToolTip(FieldTooltip(field));
      continue;
    }
    // The same decision as a confirmation's, on the bytes stored now.
    const TextDecision decision = DecideShownText(field, typed, FieldText(document_.Record(session_.CurrentSlot()), field),
                                                  session_.ShownScript());
    QString tip = tr("游戏中显示为：%1").arg(QString(decision.stored).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    if (decision.problem) tip += u'\n' + QString::fromStdString(Labelled(field, *decision.problem));
    box->setToolTip(tip + u'\n' + FieldTooltip(field));  // the field's meaning below
  }
}

void EditorPanel::ShowSkills() {
  if (!OfficerDocument::IsSlot(session_.CurrentSlot())) return;
  const auto checked = BoxesFromSkills(document_.Record(session_.CurrentSlot()).Skills);
  for (std::size_t i = 0; i < kSkillBoxCount; ++i) skillBoxes_[i]->setChecked(checked[i]);
}

PanelValues EditorPanel::CurrentValues() const {
  PanelValues panel;
  for (std::size_t i = 0; i < kEnumerationCount; ++i) panel.enumerations[i] = enumerationPickers_[i]->currentIndex();
  for (std::size_t i = 0; i < kNumberFieldCount; ++i) panel.numbers[i] = numberEdits_[i]->text().toStdString();
  panel.relationships = roster_->Values();
  for (const OfficerField* field : StoredTextFields()) panel.texts.Of(*field) = BoxBytes(client_, *field);
  panel.yin = ui_->Edit_Yin->Bytes();
  for (std::size_t i = 0; i < kSkillBoxCount; ++i) panel.skills[i] = skillBoxes_[i]->isChecked();
  return panel;
}

void EditorPanel::ShowCurrentOfficer() {
  ShowOfficer();
  ShowSkills();
  settledValues_ = CurrentValues();
  emit editsChanged();
}

void EditorPanel::ConfirmEdits() {
  if (!session_.HasShownOfficer()) return;
  const PanelValues values = CurrentValues();
  const OwnChange own(ownChange_);
  try {
    session_.Confirm(values);
  } catch (const ImpossibleValue& refused) {
    FocusControl(refused.Field().control);
    throw;  // the error box names the value
  }
  settledValues_ = values;
  emit editsChanged();
  ShowReminders();
}

void EditorPanel::FocusControl(std::string_view control) {
  QWidget* box = client_->findChild<QWidget*>(FromUtf8(control));
  if (!box) return;
  box->setFocus(Qt::OtherFocusReason);
  if (auto* edit = qobject_cast<QLineEdit*>(box)) edit->selectAll();
  if (auto* memo = qobject_cast<GbkMemo*>(box)) memo->selectAll();
}

void EditorPanel::CheckAllSkills() {
  for (QCheckBox* box : skillBoxes_) box->setChecked(true);
}

void EditorPanel::RaiseAbilitiesToUsualMaximum() {
  for (const OfficerField* field : Abilities()) {
    FormControl<QLineEdit>(client_, field->control)->setText(QString::number(kUsualAbilityMaximum));
  }
}

void EditorPanel::ConvertShownOfficer() {
  if (!OfficerDocument::IsSlot(session_.CurrentSlot())) return;
  {
    const OwnChange own(ownChange_);
    session_.ConvertCurrent();
  }
  ShowTexts(session_.ShowCurrentTexts());
  SettleTexts();
}

void EditorPanel::ConvertAllOfficers() {
  PanelSession::ConversionCount count;
  {
    const OwnChange own(ownChange_);
    count = session_.ConvertAll();
  }
  if (session_.HasShownOfficer()) {
    ShowTexts(session_.ShowCurrentTexts());
    SettleTexts();
  }
  seam::ShowMessage(ErrorBoxParent(this), tr("已将%1名武将的日文转换为中文，%2名武将已是中文。")
                                              .arg(count.converted)
                                              .arg(count.alreadyChinese));
}
