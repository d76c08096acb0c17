#include "tests/common/TestSupport.h"

#include "platform/files/AppPath.h"
#include "platform/numbers/Random.h"
#include "platform/ui/Beep.h"
#include "platform/ui/Form.h"

#include <QCoreApplication>
#include <QFile>

void TestFolder::SetUp() {
    ASSERT_TRUE(FDir.isValid());
    SetExeFileNameForTests(PathOf("Quorvel"));
    // Nothing a test writes may reach the user's own data folder.
    qputenv("XDG_DATA_HOME", QFile::encodeName(PathOf("data-home")));
    SetRandSeed(12345);
    FreezeRandomize(true);
    SetDialogResponder([this](const TDialogRequest& request) {
        Dialogs.push_back(request);
        if (FAnswers.empty()) return TDialogAnswer{};
        TDialogAnswer answer = FAnswers.front();
        FAnswers.pop_front();
        return answer;
    });
    SetModalResponder([this](TForm& form) {
        Modals.push_back(form.Caption());
        if (OnModal) OnModal(form);
        return static_cast<int>(QDialog::Accepted);
    });
    SetBeepHook([this] { ++Beeps; });
}

void TestFolder::TearDown() {
    SetDialogResponder(nullptr);
    SetModalResponder(nullptr);
    SetBeepHook(nullptr);
    FreezeRandomize(false);
    SetExeFileNameForTests(QString());
}

void TestFolder::Settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
}

QString TestFolder::PathOf(const QString& name) const {
    return FDir.path() + "/" + name;
}

QByteArray TestFolder::ReadBytes(const QString& name) const {
    QFile file(PathOf(name));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

void TestFolder::CopyAsset(const QString& name) const {
    const QString source = QCoreApplication::applicationDirPath() + "/" + name;
    ASSERT_TRUE(QFile::copy(source, PathOf(name))) << source.toStdString();
}

void TestFolder::WriteBytes(const QString& name, const QByteArray& bytes) const {
    QFile file(PathOf(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

void TestFolder::Answer(bool accepted, const QString& value) {
    FAnswers.push_back(TDialogAnswer{accepted, value});
}
