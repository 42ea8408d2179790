#include "gui/find/TForm_Find.h"

#include "core/document/OfficerListModel.h"
#include "gui/widgets/DialogSeam.h"
#include "gui/widgets/ErrorGuard.h"
#include "ui_TForm_Find.h"

TForm_Find::TForm_Find(OfficerListModel& list, QWidget* parent)
    : QDialog(parent), list_(list), ui_(std::make_unique<Ui::TForm_Find>()) {
  ui_->setupUi(this);
  ConnectGuarded(ui_->Btn_Find, &QPushButton::clicked, this, &TForm_Find::FindOfficers);
  connect(ui_->Btn_Close, &QPushButton::clicked, this, &QDialog::reject);
}

TForm_Find::~TForm_Find() = default;

std::array<std::array<QLineEdit*, 2>, 5> TForm_Find::AbilityBoxes() const {
  return {{{ui_->Edit_TongshuaiMin, ui_->Edit_TongshuaiMax},
           {ui_->Edit_WuliMin, ui_->Edit_WuliMax},
           {ui_->Edit_ZhiliMin, ui_->Edit_ZhiliMax},
           {ui_->Edit_ZhengzhiMin, ui_->Edit_ZhengzhiMax},
           {ui_->Edit_MeiliMin, ui_->Edit_MeiliMax}}};
}

FindCriteria TForm_Find::Criteria() const {
  FindCriteria criteria;
  criteria.name = ui_->Edit_Name->text().toStdString();
  AbilityRangeTexts texts;
  const auto boxes = AbilityBoxes();
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    for (std::size_t bound = 0; bound < 2; ++bound) texts[i][bound] = boxes[i][bound]->text().toStdString();
  }
  criteria.abilities = ParseAbilityRanges(texts);
  if (ui_->Radio_OnlyEmpty->isChecked()) criteria.state = SlotState::OnlyEmpty;
  if (ui_->Radio_OnlyRegistered->isChecked()) criteria.state = SlotState::OnlyRegistered;
  return criteria;
}

void TForm_Find::FindOfficers() {
  FindCriteria criteria;
  try {
    criteria = Criteria();
  } catch (const AbilityBoxError& e) {
    found_.reset();
    ui_->Label_Result->clear();
    seam::ShowMessage(this, seam::Message{seam::ApplicationTitle(), QString::fromStdString(e.what()), seam::MessageKind::Error});
    QLineEdit* box = AbilityBoxes()[e.Ability()][e.Bound()];
    box->setFocus();
    box->selectAll();
    return;
  }
  found_ = list_.Find(criteria);
  ShowResult();
}

void TForm_Find::ShowResult() {
  if (found_) ui_->Label_Result->setText(tr("找到 %1 位武将").arg(*found_));
}

void TForm_Find::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::LanguageChange) {
    ui_->retranslateUi(this);
    ShowResult();
  }
}
