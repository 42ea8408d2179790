// The editor panel on the main window.
// Placeholder seams until the panel arrives.
#include "app/TForm_Main.h"

void TForm_Main::BuildEditorPanel() {}
void TForm_Main::ClearEditorPanel() {
  CurrentSlot = 0;
  SlotVisible.fill(true);
}
void TForm_Main::ShowOfficer() {}
void TForm_Main::ShowSkills() {}
void TForm_Main::Btn_MCancelClick() {
  ShowOfficer();
  ShowSkills();
}
void TForm_Main::Btn_MConfirmClick() {}
void TForm_Main::Btn_AllSkillsClick() {}
void TForm_Main::Btn_BTClick() {}
std::string TForm_Main::MemoStoryBytes() const { return std::string(); }
void TForm_Main::SetMemoStoryBytes(const std::string&) {}
