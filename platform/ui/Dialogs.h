#pragma once

#include <QString>
#include <functional>

// The program's message boxes and its input box. Tests answer them through a
// responder instead of a real window, so nothing ever waits for a person.
enum class TDialogKind { Confirm, Warning, Error, Input };

struct TDialogRequest {
    TDialogKind Kind = TDialogKind::Error;
    QString Caption;
    QString Text; // the message, or the input box's prompt
    int MaxLength = 0;
};

struct TDialogAnswer {
    bool Accepted = true; // Yes or OK
    QString Value;        // what was typed into an input box
};

using TDialogResponder = std::function<TDialogAnswer(const TDialogRequest&)>;

// With a responder set, no box is shown: the responder gives the answer.
void SetDialogResponder(TDialogResponder responder);

// A question with Yes and No and a question icon; true for Yes.
bool ConfirmDlg(const QString& text, const QString& caption = QStringLiteral("Confirm"));
// A warning with one OK button and a warning icon.
void WarningDlg(const QString& text, const QString& caption = QStringLiteral("Warning"));
// An error with one OK button and an error icon.
void ErrorDlg(const QString& text, const QString& caption);
// An input box with a prompt, OK and Cancel; true for OK, with value set to the text.
bool InputQuery(const QString& caption, const QString& prompt, QString& value, int maxLength);
