#include "telefon/ana/ana.h"

#include "assets/ana_outline.h"
#include "telefon/ana/tray_parking.h"
#include "telefon/ana/window_registry.h"
#include "ui/colours.h"
#include "ui/command_label.h"
#include "ui/notice.h"
#include "ui/shapes.h"

#include <QIcon>
#include <QMouseEvent>
#include <QPushButton>

namespace marunda::telefon {

namespace colours = marunda::ui::colours;

Ana::Ana(marunda::RecordStore store, QWidget* parent)
    : ShapedWindow(parent)
    , store_(std::move(store)) {
    setObjectName("Ana");
    setWindowTitle(QStringLiteral("Marunda"));
    QIcon icon;
    for (int size : {16, 32, 48}) {
        icon.addFile(QStringLiteral(":/pictures/telefon-%1.png").arg(size));
    }
    setWindowIcon(icon);
    setFixedSize(kAnaSize);
    setBackground(QPixmap(QStringLiteral(":/pictures/ana.png")));
    setMouseTracking(true);

    buildFieldLabels();
    buildMenu();
    buildPageCommands();
    buildHiddenControls();
    buildLines();
    connectCommands();
    connectWindowMoves();
    connectCopies();
    connectHover();
    windows_ = std::make_unique<WindowRegistry>(*this);
    tray_ = new TrayParking(*this);
    connect(tray_, &TrayParking::iconTouched, this, &Ana::hoverBackground);
    showSection(1);
}

void Ana::minimise() {
    // The window goes before the mouse can leave the command, so its highlight is taken off now.
    resetCommandColours(QStringLiteral("com5"));
    tray_->park();
}

Ana::~Ana() = default;

void Ana::showPage(int page, const marunda::ContactRecord& record) {
    for (std::size_t i = 0; i < display_.size(); ++i) {
        display_[i]->setText(QString::fromStdString(record.text(static_cast<marunda::Field>(i))));
    }
    sirab_->setText(QString::number(page));
}

void Ana::notice(const QString& text) {
    pano_->show(text);
}

int Ana::currentPage() const {
    bool ok = false;
    const int page = sirab_->text().toInt(&ok);
    return ok ? page : 0;
}

QString Ana::displayedText(marunda::Field field) const {
    return display_[static_cast<std::size_t>(field)]->text();
}

void Ana::resetCommandColours(const QString& commandName) {
    for (int i = 0; i < kCommandCount; ++i) {
        if (commands_[i]->objectName() == commandName) {
            commands_[i]->setColours(colours::commandNormal);
            markers_[i]->setFill(colours::pageNormal);
        }
    }
}

void Ana::showSection(int section) {
    constexpr std::size_t kFirstOfSection2 = 8;
    for (std::size_t i = 0; i < display_.size(); ++i) {
        const bool visible = (i < kFirstOfSection2) == (section == 1);
        captions_[i]->setVisible(visible);
        display_[i]->setVisible(visible);
    }
    section_ = section;
}

void Ana::connectCommands() {
    for (int i = 0; i < kCommandCount; ++i) {
        connect(commands_[i], &Label::clicked, this, [this, i] { openCommand(i + 1); });
    }
    connect(pageCommands_[0], &Label::clicked, this, &Ana::goFirst);
    connect(pageCommands_[1], &Label::clicked, this, &Ana::goPrevious);
    connect(pageCommands_[2], &Label::clicked, this, &Ana::goNext);
    connect(pageCommands_[3], &Label::clicked, this, &Ana::goLast);
    connect(switches_[0], &Label::clicked, this, [this] { showSection(2); });
    connect(switches_[1], &Label::clicked, this, [this] { showSection(1); });
    connect(command1_, &QPushButton::clicked, this, &Ana::endProgram);
}

void Ana::connectWindowMoves() {
    static const char* const kMovers[] = {"isimb",  "tel1b",   "tel2b",   "tel3b",  "faxb",
                                          "adresb", "zilorab", "notlarb", "Label1", "Label2",
                                          "Label3", "Label4",  "Label5",  "Label6", "Label7",
                                          "Label8", "Label9",  "Label11"};
    for (const char* name : kMovers) {
        Label* label = findChild<Label*>(name);
        connect(label, &Label::pressed, this,
                [this, label](Qt::MouseButton button) { startDrag(label->pressedAt(), button); });
    }
}

void Ana::mousePressEvent(QMouseEvent* event) {
    event->accept();
    startDrag(event->globalPosition().toPoint(), event->button());
}

void Ana::mouseMoveEvent(QMouseEvent* event) {
    ShapedWindow::mouseMoveEvent(event);
    if (!isDragging()) {
        hoverBackground();
    }
}

} // namespace marunda::telefon
