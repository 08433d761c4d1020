#pragma once

#include "core/birthday_text.h"
#include "core/contact_record.h"
#include "core/result.h"

#include <QDialog>

#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTabBar;
class QTimer;

namespace marunda::telefon {

class Ana;

// The record form: "Yeni Telefon" (yenitel) appends a new record, "Telefon Değiştir" (degistir)
// changes the record that the main window showed when the form was opened. Both have the same
// two sections of boxes, the birthday lists, the birthday notice and the buttons; results go
// back to the main window only through its display and its notice.
class RecordForm : public QDialog {
    Q_OBJECT
public:
    enum class Purpose { newRecord, modify };
    static constexpr int kNoticeMilliseconds = 5000;

    // A modify form takes its texts and its page from what `ana` shows now.
    RecordForm(Ana& ana, Purpose purpose);

    Purpose purpose() const { return purpose_; }
    // The page a modify form writes: the one shown when it was opened.
    int editedPage() const { return editedPage_; }
    // 1 or 2: the section whose boxes are in front.
    int visibleSection() const;

    // "Kaydet".
    void save();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildSections();
    void buildBoxes();
    void buildBirthdayLists(QGroupBox* frame);
    void buildButtons(QGroupBox* frame);
    void showSection(int index);

    void fillFromAna();
    QString boxText(marunda::Field field) const;
    void setBoxText(marunda::Field field, const QString& text);
    marunda::BirthdayChoice birthdayChoice() const;
    void setBirthdayChoice(const marunda::BirthdayChoice& choice);
    marunda::ContactRecord recordFromBoxes(const std::string& birthday) const;
    void showBirthdayNotice();
    // Tells the user of a character the record cannot hold; true when there is one.
    bool refuseUnstorableText();
    // The caption of a field's box without its colon, and the section (0 or 1) it stands in.
    static QString fieldCaption(marunda::Field field);
    static int fieldSection(marunda::Field field);
    marunda::Result<int> store(const marunda::ContactRecord& record) const;

    Ana& ana_;
    Purpose purpose_;
    int editedPage_ = 0;
    marunda::ContactRecord opened_; // what the edited page held when the form was opened
    QTabBar* tabs_ = nullptr;
    std::array<QGroupBox*, 2> frames_{};
    std::array<QWidget*, marunda::kFieldCount> boxes_{};
    QComboBox* day_ = nullptr;
    QComboBox* month_ = nullptr;
    QComboBox* year_ = nullptr;
    QLabel* birthdayNotice_ = nullptr;
    QTimer* noticeTimer_ = nullptr;
};

} // namespace marunda::telefon
