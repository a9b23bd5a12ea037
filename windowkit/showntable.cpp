#include "windowkit/showntable.h"

#include "rom/names.h"
#include "tables/heldimage.h"
#include "windowkit/changemarks.h"
#include "windowkit/playtest.h"
#include "windowkit/seams.h"
#include "windowkit/selectline.h"
#include "windowkit/windowcontexts.h"
#include "wording/wording.h"

#include <QComboBox>
#include <QWidget>

ShownTable::ShownTable(QWidget* window, const TableFormat& format, QComboBox* entries,
                       std::initializer_list<FieldControl> controls,
                       QString (*unreadable)(const Outcome& why), ImageOpening& opening,
                       QWidget* nameBox)
    : m_window(window), m_format(format), m_entries(entries),
      m_controls(BindFieldControls(format, controls)), m_unreadable(unreadable),
      m_opening(&opening), m_nameBox(nameBox) {}

bool ShownTable::read(RomImage& rom, const std::function<void(RomImage& held)>& decode,
                      const std::function<void()>& placeholders) {
    m_entries->clear();
    // The image is read whole, once: the records and the bytes shown are of one moment of the
    // file, and decoding bytes in memory cannot fail half-way.
    const auto held = HoldImage(rom);
    if (!held) {
        placeholders();
        m_shownBytes.clear();
        ShowMessage(m_window, QMessageBox::Warning, m_window->windowTitle(),
                    m_unreadable(held.failure()));
        return false;
    }
    decode(**held);
    m_shownBytes = (*held)->bytes(m_format.offset, qint64(m_format.count) * m_format.size);
    return true;
}

void ShownTable::list(RomImage& rom, bool loaded, const QStringList& names) {
    for (QWidget* control : m_window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        control->setEnabled(loaded);
    {
        // Filled in one go: the list must not select line 0 by itself half-way, and one insertion
        // spares the list a round of change notifications for every line.
        const QSignalBlocker quiet(m_entries);
        QStringList lines;
        lines.reserve(names.size());
        for (qsizetype i = 0; i < names.size(); ++i)
            lines << ListEntryText(names[i], int(i));
        m_entries->addItems(lines);
    }
    if (loaded)
        MarkEntries(m_entries, *m_opening, rom, &m_format);
    SelectLine(m_entries, 0);
}

int ShownTable::currentIndex() const {
    return m_entries->currentIndex();
}

void ShownTable::showRecord(const void* record) const {
    ShowRecord(m_format, m_controls, record);
    ShowMarks(m_entries, m_controls, m_nameBox);
}

bool ShownTable::save(RomImage& rom, const std::function<void()>& reload,
                      const std::function<void()>& display) {
    const int index = currentIndex();
    const QByteArray shown = m_shownBytes.mid(qsizetype(index) * m_format.size, m_format.size);
    const Outcome saved = SaveEntry(rom, m_format, index, FormOfControls(m_controls), shown);
    if (saved.failed())
        ShowMessage(m_window, QMessageBox::Warning, EditorWindow::tr("Save", "a message's title"),
                    SaveText(saved));
    reload();
    SelectLine(m_entries, index);
    display();
    return saved.ok();
}

void ShownTable::playRecord(RomImage& rom, const void* record, const std::function<void()>& reload,
                            const std::function<void()>& display) {
    // Taken now: a save's reload may open the file that replaced the image in its place.
    const QString path = rom.path();
    // A table that could not be read shows placeholders, which hold no edits to save.
    const bool edited =
        record && !m_shownBytes.isEmpty() && FormOfControls(m_controls) != FormOf(m_format, record);
    if (edited) {
        switch (AskSaveBeforePlay(m_window)) {
        case PlayChoice::Cancel:
            return;
        case PlayChoice::Save:
            if (!save(rom, reload, display))
                return;
            break;
        case PlayChoice::PlayWithout:
            break;
        }
    }
    PlayImage(m_window, path);
}
