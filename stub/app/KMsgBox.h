#pragma once

#include "app/SetupUi.h"

#include <QDialog>

#include <string>

class QBoxLayout;
class QTextEdit;

namespace stub {

enum class BoxKind { Error, Info, YesNo, OkCancel };

// The stub's message box: the text with its markup in a read-only rich-text control, the kind's
// icon and buttons (captions and access keys from the language's button list), the language
// font, right to left for character sets 177 and 178, on top of other windows and centred on
// the work area. Accepted for OK or Yes.
class KMsgBox : public QDialog {
    Q_OBJECT
public:
    KMsgBox(BoxKind kind, const std::string& text, const std::string& caption,
            const std::string& buttons, const LanguageFont& font);

private:
    void AddButton(QBoxLayout* row, const std::string& buttons, int index, bool accepts);
    void SizeText(QTextEdit* view);
};

// The four kinds of box as windows. A box has no owner window, so its caption is also written
// in bold above the text.
class QtMessageBoxes : public MessageBoxes {
public:
    explicit QtMessageBoxes(LanguageFont font = {})
        : font_(std::move(font)) {}
    void SetFont(const LanguageFont& font) { font_ = font; }

    void ShowError(const std::string& text, const std::string& caption, int charset,
                   const std::string& buttons) override;
    void ShowInfo(const std::string& text, const std::string& caption, int defaultButton,
                  int charset, const std::string& buttons) override;
    bool AskYesNo(const std::string& text, const std::string& caption, int charset,
                  const std::string& buttons) override;
    bool AskOkCancel(const std::string& text, const std::string& caption, int charset,
                     const std::string& buttons) override;

private:
    bool Show(BoxKind kind, const std::string& text, const std::string& caption,
              const std::string& fallback, int charset, const std::string& buttons);
    LanguageFont font_;
};

} // namespace stub
