#include "telefon/password/pass.h"

#include "telefon/ana/ana.h"
#include "telefon/password/password_entry.h"
#include "ui/message_box.h"
#include "ui/named_child.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace marunda::telefon {

namespace {

QLabel* label(const QString& name, const QString& caption, QWidget* parent, const QRect& box) {
    return marunda::ui::placed(new QLabel(caption, parent), name, box);
}

QLineEdit* passwordBox(const QString& name, QWidget* parent, const QRect& box) {
    auto* made = marunda::ui::placed(new QLineEdit(parent), name, box);
    made->setMaxLength(marunda::kMaxPasswordLength);
    maskEntry(*made);
    return made;
}

QPushButton* button(const QString& name, const QString& caption, QWidget* parent,
                    const QRect& box) {
    return marunda::ui::placed(new QPushButton(caption, parent), name, box);
}

QGroupBox* frame(const QString& name, const QString& caption, QWidget* parent, const QRect& box) {
    return marunda::ui::placed(new QGroupBox(caption, parent), name, box);
}

void selectAll(QLineEdit* box) {
    box->setSelection(0, static_cast<int>(box->text().size()));
}

} // namespace

Pass::Pass(Ana& ana)
    : QDialog(&ana)
    , ana_(&ana)
    , file_(ana.store().folder()) {
    setObjectName(QStringLiteral("pass"));
    setWindowTitle(QStringLiteral("Şifre"));
    setFixedSize(289, 328);
    buildControls();

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(kWarningMilliseconds);
    connect(timer1_, &QTimer::timeout, this, &Pass::timerTick);
    connect(check1_, &QCheckBox::clicked, this, &Pass::checkClicked);
    connect(command3_, &QPushButton::clicked, this, &Pass::checkOldPassword);
    connect(command1_, &QPushButton::clicked, this, &Pass::apply);
    connect(command2_, &QPushButton::clicked, this, &Pass::reject);
    sifre1_->installEventFilter(this);
    sifre2_->installEventFilter(this);
    load();
}

void Pass::buildControls() {
    frame2_ = frame(QStringLiteral("Frame2"), QStringLiteral("Şifre"), this, {8, 8, 273, 241});

    frame3_ =
        frame(QStringLiteral("Frame3"), QStringLiteral("Eski Şifre"), frame2_, {8, 20, 257, 97});
    label3_ = label(QStringLiteral("Label3"), QStringLiteral("Lütfen önce eski şifrenizi yazın..."),
                    frame3_, {8, 20, 241, 17});
    label4_ =
        label(QStringLiteral("Label4"), QStringLiteral("Eski Şifre:"), frame3_, {8, 46, 65, 17});
    text1_ = passwordBox(QStringLiteral("Text1"), frame3_, {76, 44, 97, 22});
    command3_ =
        button(QStringLiteral("Command3"), QStringLiteral("Tamam"), frame3_, {180, 42, 69, 25});
    label5_ = label(QStringLiteral("Label5"), QStringLiteral("Hatalı Şifre!"), frame3_,
                    {76, 72, 120, 17});
    label5_->setStyleSheet(QStringLiteral("color: rgb(192, 0, 0);"));
    label5_->hide();

    check1_ = new QCheckBox(QStringLiteral("Program başlangıcına şifre koy"), frame2_);
    check1_->setObjectName(QStringLiteral("Check1"));
    check1_->setGeometry(12, 124, 253, 17);

    frame1_ =
        frame(QStringLiteral("Frame1"), QStringLiteral("Şifre Koy"), frame2_, {8, 146, 257, 87});
    label1_ = label(QStringLiteral("Label1"), QStringLiteral("Şifre:"), frame1_, {8, 26, 49, 17});
    sifre1_ = passwordBox(QStringLiteral("sifre1"), frame1_, {64, 24, 109, 22});
    label2_ = label(QStringLiteral("Label2"), QStringLiteral("Tekrar:"), frame1_, {8, 56, 49, 17});
    sifre2_ = passwordBox(QStringLiteral("sifre2"), frame1_, {64, 54, 109, 22});

    label6_ =
        label(QStringLiteral("Label6"),
              QStringLiteral("Yazdığınız şifreler birbirinden farklı, lütfen tekrar deneyin."),
              this, {8, 252, 273, 34});
    label6_->setWordWrap(true);
    label6_->setStyleSheet(QStringLiteral("color: rgb(192, 0, 0);"));
    label6_->hide();

    command1_ =
        button(QStringLiteral("Command1"), QStringLiteral("Tamam"), this, {112, 294, 81, 25});
    command2_ =
        button(QStringLiteral("command2"), QStringLiteral("İptal"), this, {200, 294, 81, 25});
}

void Pass::load() {
    (void)ana_->store().enterProgramFolder();
    auto isSet = file_.passwordIsSet();
    if (!isSet) {
        setOldGroupEnabled(false);
        setNewGroupEnabled(false);
        check1_->setEnabled(false);
        command1_->setEnabled(false);
        tellFailure(isSet.error());
        // Nothing here can be trusted without the file: go away once the window is up.
        QMetaObject::invokeMethod(this, &Pass::reject, Qt::QueuedConnection);
        return;
    }
    setNewGroupEnabled(false);
    if (!isSet.value()) {
        check1_->setChecked(false);
        frame1_->setTitle(QStringLiteral("Şifre Koy"));
        setOldGroupEnabled(false);
        command1_->setEnabled(true);
        makeDefaultButton(command1_);
        return;
    }
    check1_->setChecked(true);
    check1_->setEnabled(false);
    frame1_->setTitle(QStringLiteral("Şifre Değiştir"));
    setOldGroupEnabled(true);
    command1_->setEnabled(false);
    makeDefaultButton(command3_);
    text1_->setFocus();
}

void Pass::checkClicked(bool ticked) {
    if (!ticked) {
        setOldGroupEnabled(false);
        setNewGroupEnabled(false);
        command1_->setEnabled(true);
        return;
    }
    auto isSet = file_.passwordIsSet();
    if (!isSet) {
        check1_->setChecked(false);
        tellFailure(isSet.error());
        return;
    }
    if (!isSet.value()) {
        setNewGroupEnabled(true);
        command1_->setEnabled(true);
        return;
    }
    setOldGroupEnabled(true);
    command1_->setEnabled(false);
    makeDefaultButton(command3_);
    text1_->clear();
    text1_->setFocus();
}

void Pass::checkOldPassword() {
    auto stored = file_.readPassword();
    if (!stored) {
        tellFailure(stored.error());
        return;
    }
    if (QString::fromStdString(stored.value()) == text1_->text()) {
        command1_->setEnabled(true);
        setNewGroupEnabled(true);
        check1_->setEnabled(true);
        frame1_->setTitle(QStringLiteral("Şifre Değiştir"));
        setOldGroupEnabled(false);
        makeDefaultButton(command1_);
        sifre1_->setFocus();
        return;
    }
    label5_->show();
    timer1_->start();
    text1_->setFocus();
    selectAll(text1_);
}

void Pass::apply() {
    (void)ana_->store().enterProgramFolder();
    if (!check1_->isChecked()) {
        if (auto cleared = file_.clearPassword(); !cleared) {
            tellFailure(cleared.error());
            return;
        }
        finish(QStringLiteral("Şifre iptal edildi!"));
        return;
    }
    if (sifre1_->text() != sifre2_->text()) {
        label6_->show();
        timer1_->setInterval(kMismatchMilliseconds);
        timer1_->start();
        sifre1_->setFocus();
        selectAll(sifre1_);
        return;
    }
    // Straight from the box to the file: the password never passes through a scratch file.
    if (auto written = file_.writePassword(sifre1_->text().toStdString()); !written) {
        if (written.error().code == marunda::ErrorCode::badFormat) {
            marunda::ui::MessageBox::critical(
                this, QStringLiteral("Hata"),
                QStringLiteral("Şifrede kullanılamayan bir karakter var: \"%1\". Lütfen bu "
                               "karakter olmadan tekrar deneyin.")
                    .arg(QString::fromStdString(written.error().detail)));
            sifre1_->setFocus();
            selectAll(sifre1_);
            return;
        }
        tellFailure(written.error());
        return;
    }
    finish(QStringLiteral("Şifre değiştirldi!"));
}

void Pass::finish(const QString& notice) {
    if (ana_) {
        ana_->notice(notice);
    }
    close();
}

void Pass::tellFailure(const marunda::Error& error) {
    marunda::ui::MessageBox::critical(this, QStringLiteral("Hata"),
                                      passwordFileProblem(error) +
                                          QStringLiteral(" Şifre ayarı değiştirilmedi."));
}

void Pass::timerTick() {
    label5_->hide();
    label6_->hide();
    timer1_->setInterval(kWarningMilliseconds);
    timer1_->stop();
}

void Pass::setOldGroupEnabled(bool enabled) {
    for (QWidget* each : std::initializer_list<QWidget*>{frame3_, label3_, label4_, command3_}) {
        each->setEnabled(enabled);
    }
}

void Pass::setNewGroupEnabled(bool enabled) {
    for (QWidget* each :
         std::initializer_list<QWidget*>{frame1_, label1_, label2_, sifre1_, sifre2_}) {
        each->setEnabled(enabled);
    }
}

void Pass::makeDefaultButton(QPushButton* button) {
    makeDefault(button, {command1_, command2_, command3_});
}

bool Pass::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn && (watched == sifre1_ || watched == sifre2_)) {
        selectAll(static_cast<QLineEdit*>(watched));
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace marunda::telefon
