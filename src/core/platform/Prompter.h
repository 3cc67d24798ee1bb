#pragma once

#include <QString>
#include <optional>

namespace pellor {

// Message-box styles and results, with the classic numeric values so that styles combine
// by addition (buttons + icon + default button) and results compare with stored codes.
namespace MessageStyle {
constexpr int OkOnly = 0;
constexpr int OkCancel = 1;
constexpr int AbortRetryIgnore = 2;
constexpr int YesNoCancel = 3;
constexpr int YesNo = 4;
constexpr int RetryCancel = 5;
constexpr int Critical = 16;
constexpr int Question = 32;
constexpr int Exclamation = 48;
constexpr int Information = 64;
constexpr int DefaultButton2 = 256;
constexpr int DefaultButton3 = 512;
} // namespace MessageStyle

namespace MessageResult {
constexpr int Ok = 1;
constexpr int Cancel = 2;
constexpr int Abort = 3;
constexpr int Retry = 4;
constexpr int Ignore = 5;
constexpr int Yes = 6;
constexpr int No = 7;
} // namespace MessageResult

// What an open or save file dialog is asked to show. filter uses the classic form
// "Description|*.ext|Description|*.a;*.b".
struct FileDialogRequest {
    QString title;
    QString filter;
    QString initialPath;   // a file name, a folder, or both
    QString defaultSuffix; // without the dot
    bool confirmOverwrite = false;
};

// Every question the program asks the user goes through this interface: the editor uses
// real dialogs, tests answer from a script and record what was asked.
class Prompter {
public:
    virtual ~Prompter() = default;

    // Shows a message box; returns one of MessageResult (Cancel or No when closed otherwise).
    virtual int messageBox(const QString& text, int style, const QString& title) = 0;
    // Asks for a line of text; std::nullopt when cancelled.
    virtual std::optional<QString> inputBox(const QString& prompt, const QString& title,
                                            const QString& defaultText) = 0;
    // File dialogs; std::nullopt when cancelled.
    virtual std::optional<QString> openFileName(const FileDialogRequest& request) = 0;
    virtual std::optional<QString> saveFileName(const FileDialogRequest& request) = 0;
};

} // namespace pellor
