#include "patients/ReferenceListPage.h"

#include "platform/Messages.h"
#include "print/ScreenFonts.h"
#include "ui/Pictures.h"
#include "ui/ReportList.h"
#include "ui/Widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

ReferenceListPage::ReferenceListPage(const ReferenceListKind &kind, QWidget *parent) : QWidget(parent), m_kind(kind) {
    setObjectName(QLatin1String(kind.objectName));
    Place::pictureLabel(this, kind.picturePlace, kind.picture)->setObjectName(QStringLiteral("pagePicture"));
    QLabel *heading = Place::label(this, {kind.headingX, 30, 300, 30}, QString::fromUtf8(kind.heading));
    heading->setObjectName(QStringLiteral("heading"));
    heading->setFont(screenFont(ScreenFont::Arial11Bold));
    Place::frame(this, {10, 70, 500, 60})->setObjectName(QStringLiteral("frame"));
    Place::label(this, {20, 90, 200, 20}, QString::fromUtf8(kind.caption))->setObjectName(QStringLiteral("caption"));
    m_entry = Place::capitalsField(this, {220, 90, 150, 20});
    m_entry->setObjectName(QStringLiteral("entryField"));

    QToolButton *remove = Place::pictureButton(this, {10, 135, 120, 30}, Picture::ButtonDelete);
    remove->setObjectName(QStringLiteral("deleteButton"));
    connect(remove, &QToolButton::clicked, this, &ReferenceListPage::remove);
    QToolButton *validate = Place::pictureButton(this, {390, 135, 120, 30}, Picture::ButtonValidate);
    validate->setObjectName(QStringLiteral("validateButton"));
    connect(validate, &QToolButton::clicked, this, &ReferenceListPage::save);

    m_list =
        Place::list(this, {10, kind.listTop, 500, 300}, {{QString::fromUtf8(kind.listTitle), 480}, {QString(), 10}});
    m_list->setObjectName(QStringLiteral("list"));
    m_list->setColours(Qt::black, kind.listBackground);
    connect(m_list, &ReportList::rowChosen, this, &ReferenceListPage::takeRow);
    fill();
}

void ReferenceListPage::fill() {
    QList<QStringList> rows;
    for (const QString &entry : referenceEntries(m_kind))
        rows << QStringList{entry};
    m_list->clearRows();
    m_list->addRows(rows);
}

void ReferenceListPage::save() {
    const AddOutcome outcome = addReferenceEntry(m_kind, m_entry->text());
    if (outcome == AddOutcome::Empty)
        return;
    if (outcome == AddOutcome::Added) {
        fill();
        m_entry->clear();
    }
    if (outcome == AddOutcome::Added || (outcome == AddOutcome::Present && m_kind.focusAfterRepeatedAdd))
        m_entry->setFocus();
}

void ReferenceListPage::remove() {
    const QString text = m_entry->text();
    if (text.isEmpty() && m_kind.emptyDeleteMessage) {
        Messages::error(QString::fromUtf8(m_kind.emptyDeleteMessage));
        return;
    }
    // A refused delete has shown the store's message; the list shows what the table still holds.
    deleteReferenceEntry(m_kind, text);
    m_entry->clear();
    fill();
    if (m_kind.focusAfterDelete)
        m_entry->setFocus();
}

void ReferenceListPage::takeRow(int row) {
    if (row >= 0 && row < m_list->rowCount())
        m_entry->setText(m_list->cell(row, 0));
}
