#pragma once

#include "rom/romimage.h"
#include "windowkit/fieldcontrols.h"

#include <QByteArray>
#include <QStringList>

#include <functional>
#include <initializer_list>
#include <vector>

class QComboBox;
class QWidget;

// A table as an editor window shows it: its entry list, the control of each field, and the table's
// bytes as the last load read them, with the load, display and save both editors share. The window
// keeps the decoded records, whose type only it knows, and what it alone shows.
class ShownTable {
public:
    // `unreadable` words why a load could not read the table; `nameBox`, if any, shows the
    // entry's name, which the window fills itself and the table marks.
    ShownTable(QWidget* window, const TableFormat& format, QComboBox* entries,
               std::initializer_list<FieldControl> controls,
               QString (*unreadable)(const Outcome& why), QWidget* nameBox = nullptr);

    // Reads the whole table from the open image into `records` through `decode`, and the bytes it
    // shows, then lists the entries with line 0 selected quietly: the window's display step comes
    // next. When the table cannot be read, the window says why and `records` holds placeholders,
    // which are no data: every control of the window stays disabled until a load succeeds.
    template <class Record>
    void load(std::vector<Record>& records, std::vector<Record> (*decode)(RomImage& rom)) {
        const bool loaded = read([&](RomImage& rom) { records = decode(rom); },
                                 [&] { records.assign(size_t(m_format.count), Record{}); });
        QStringList names;
        names.reserve(qsizetype(records.size()));
        for (const Record& r : records)
            names << r.Name;
        list(loaded, names);
    }

    // The record of the selected line, or null when none is.
    template <class Record> const Record* selected(const std::vector<Record>& records) const {
        const int index = currentIndex();
        return index < 0 || size_t(index) >= records.size() ? nullptr : &records[size_t(index)];
    }

    // Shows `record` in the field controls.
    void show(const void* record) const;

    // Saves the selected entry as one transaction, provided the file still holds the bytes the
    // window shows for it, and says why when that fails. Whatever happened, `reload` and then
    // `display` make the window show what the file holds, on the same line. Whether it saved.
    bool save(const std::function<void()>& reload, const std::function<void()>& display);

    // Plays the image in the user's emulator. When the controls hold edits of `record`, the shown
    // entry, it first asks whether to save them; a Save refused, or the question cancelled, plays
    // nothing.
    void play(const void* record, const std::function<void()>& reload,
              const std::function<void()>& display);

private:
    bool read(const std::function<void(RomImage& rom)>& decode,
              const std::function<void()>& placeholders);
    void list(bool loaded, const QStringList& names);
    int currentIndex() const;

    QWidget* m_window;
    const TableFormat& m_format;
    QComboBox* m_entries;
    std::vector<QWidget*> m_controls;
    QByteArray m_shownBytes;
    QString (*m_unreadable)(const Outcome& why);
    QWidget* m_nameBox;
};
