#include "ui/message_box_wnd.h"

#include <string>

#include "platform/code_page.h"
#include "ui/button_ui.h"
#include "ui/label_ui.h"

namespace DuiLib {

CMessageBoxWnd::CMessageBoxWnd(std::wstring_view text, std::wstring_view caption, UINT flags, const FontSpec& font)
    : m_text(text), m_caption(caption), m_flags(flags), m_font(font) {}

std::string CMessageBoxWnd::GetSkinText() {
  // Texts are set in code (InitWindow), so nothing from the caller is ever parsed as XML.
  std::string size = std::to_string(m_font.size);
  return R"(<Window size="300,150" caption="0,0,0,30" defaultfontcolor="#FF202020">
  <Font id="0" size=")" + size + R"(" default="true"/>
  <Font id="1" size=")" + size + R"(" bold="true"/>
  <VerticalLayout bkcolor="#FFF7F7F7" bordercolor="#FF8C8C8C" bordersize="1">
    <Control name="mb_caption_bar" height="30" bkcolor="#FFE3EAF3"/>
    <Text name="mb_text" textpadding="18,14,18,6"/>
    <HorizontalLayout height="46" inset="12,6,12,12" childpadding="10">
      <Control/>
      <Button name="mb_ok" text="确定" width="80" bkcolor="#FFFFFFFF" hotbkcolor="#FFE5F1FB" pushedbkcolor="#FFCCE4F7" bordercolor="#FF8C8C8C" bordersize="1"/>
      <Button name="mb_cancel" text="取消" width="80" bkcolor="#FFFFFFFF" hotbkcolor="#FFE5F1FB" pushedbkcolor="#FFCCE4F7" bordercolor="#FF8C8C8C" bordersize="1"/>
    </HorizontalLayout>
    <Label name="mb_caption" float="true" pos="10,0,290,30" font="1"/>
  </VerticalLayout>
</Window>)";
}

void CMessageBoxWnd::InitWindow() {
  // The owner's face (set here, not in the XML text, so that no name is ever parsed as markup).
  FontSpec bold = m_font;
  bold.bold = true;
  m_PaintManager.SetDefaultFont(m_font);
  m_PaintManager.AddFont(0, m_font);
  m_PaintManager.AddFont(1, bold);
  if (auto* text = static_cast<CLabelUI*>(m_PaintManager.FindControl(L"mb_text"))) text->SetText(m_text);
  if (auto* caption = static_cast<CLabelUI*>(m_PaintManager.FindControl(L"mb_caption"))) caption->SetText(m_caption);
  if ((m_flags & 0x0F) != MB_OKCANCEL) {
    if (CControlUI* cancel = m_PaintManager.FindControl(L"mb_cancel")) cancel->SetVisible(false);
  }
}

void CMessageBoxWnd::Notify(TNotifyUI& msg) {
  if (msg.sType != L"click" || msg.pSender == nullptr) return;
  if (msg.pSender->GetName() == L"mb_ok") Close(IDOK);
  else if (msg.pSender->GetName() == L"mb_cancel") Close(IDCANCEL);
}

LRESULT CMessageBoxWnd::MessageHandler(UINT uMsg, WPARAM wParam, LPARAM, bool& handled) {
  if (uMsg != WM_KEYDOWN) return 0;
  if (wParam == VK_RETURN) {
    Close(IDOK);
    handled = true;
  } else if (wParam == VK_ESCAPE) {
    Close(IDCANCEL);
    handled = true;
  }
  return 0;
}

}  // namespace DuiLib
