#pragma once

#include "core/contact_record.h"
#include "core/record_store.h"
#include "core/result.h"
#include "core/telefon_arguments.h"
#include "ui/shaped_window.h"

#include <QPointer>
#include <QString>

#include <array>
#include <memory>

class QLineEdit;
class QPushButton;

namespace marunda::ui {
class CommandLabel;
class MarkerShape;
class Notice;
} // namespace marunda::ui

namespace marunda::telefon {

class TrayParking;
class VcardAl;
class WindowRegistry;

// The main window: one page of the phone book in two sections, the menu of commands and the
// page commands. Other windows read and write it only through its public surface.
class Ana : public marunda::ui::ShapedWindow {
    Q_OBJECT
public:
    static constexpr int kCommandCount = 9;

    explicit Ana(marunda::RecordStore store, QWidget* parent = nullptr);
    ~Ana() override;

    // Runs once, when the program starts.
    void startUp();
    // Puts a record on display as page `page`; the visible section stays.
    void showPage(int page, const marunda::ContactRecord& record);
    // A short confirmation in `pano`, hidden again after a second.
    void notice(const QString& text);
    // The page shown in `sırab`; 0 when its caption is not a page number.
    int currentPage() const;
    QString displayedText(marunda::Field field) const;
    // Puts a command ("com1" ... "com9") and its marker back in their normal colours.
    void resetCommandColours(const QString& commandName);
    const marunda::RecordStore& store() const { return store_; }
    // The start-up's password step: with a password set, hides the window behind the prompt;
    // ends the program when the password file is missing or damaged.
    void password();
    // The password the start-up prompt waits for (held in `tmp1`).
    QString expectedPassword() const;
    // Opens the window of menu command `number` (1 to 9).
    void openCommand(int number);

    // What the command line asks for, acted on once the password is passed.
    void setStartRequest(marunda::TelefonArguments request);
    // The start-up prompt took the right password (or none was set): the book may be used.
    void passwordPassed();
    // Opens "vCard Al" on these files; refused while the password is still awaited.
    void importVcards(const std::vector<std::filesystem::path>& files);

    // 1 or 2; section 1 after start-up.
    int visibleSection() const { return section_; }
    void showSection(int section);

    // Ends the program at once, without any window's close handling.
    void endProgram();
    bool hasEnded() const { return ended_; }

signals:
    // The program is to end now; the application object acts on it.
    void programEnded();

protected:
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    using Label = marunda::ui::CommandLabel;

    void buildFieldLabels();
    void buildMenu();
    void buildPageCommands();
    void buildHiddenControls();
    void buildLines();
    Label* addLabel(const QString& name, const QString& caption, const QRect& box, qreal points,
                    bool bold, const QColor& colour);
    void connectCommands();
    void connectWindowMoves();
    void connectCopies();
    void connectHover();

    // False when the book must stay closed: it awaits conversion to this format.
    bool loadFirstPage();
    void showStoredPage(int page);
    marunda::Result<int> readCounterOrTell();
    void goFirst();
    void goPrevious();
    void goNext();
    void goLast();

    void copyField(marunda::Field field);

    void lightCommand(int index, bool lit);
    void lightPageCommand(int index, bool lit);
    void lightSwitch(int index, bool lit);
    void hoverCommand(int index);
    void hoverPageCommand(int index);
    void hoverSwitch(int index);
    void hoverBackground();

    void minimise();

    void closeProgram();
    void deleteScratchFile() const;

    void showRequestedPage(const marunda::PageRequest& request);

    marunda::RecordStore store_;
    std::array<Label*, marunda::kFieldCount> captions_{};
    std::array<Label*, marunda::kFieldCount> display_{};
    std::array<Label*, kCommandCount> commands_{};
    std::array<marunda::ui::MarkerShape*, kCommandCount> markers_{};
    std::array<Label*, 4> pageCommands_{};
    std::array<Label*, 2> switches_{}; // Label14 (to section 2), Label15 (to section 1)
    Label* sirab_ = nullptr;
    marunda::ui::Notice* pano_ = nullptr;
    QPushButton* command1_ = nullptr;
    QLineEdit* tmp1_ = nullptr;
    TrayParking* tray_ = nullptr;
    std::unique_ptr<WindowRegistry> windows_;
    int section_ = 1;
    bool ended_ = false;
    bool prompted_ = false; // the start-up prompt was opened
    bool locked_ = true;    // until the password is passed
    marunda::TelefonArguments startRequest_;
    QPointer<VcardAl> vcardAl_;
};

} // namespace marunda::telefon
