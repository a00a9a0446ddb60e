// A drop-down list of named colours whose entries each show a swatch of their colour.
#pragma once

#include <QComboBox>
#include <cstdint>
#include <optional>
#include <vector>

class ColourCombo final : public QComboBox {
public:
    struct Entry {
        QString name;
        std::int64_t value; // a stored colour value: 0x00BBGGRR or 0x80000000 + system colour index
    };

    explicit ColourCombo(QWidget *parent = nullptr);

    void setEntries(const std::vector<Entry> &entries);
    // The chosen entry's name and value; empty when nothing is chosen.
    QString currentName() const;
    std::optional<std::int64_t> currentValue() const;
    // Choose the entry of that name (case matters); a name not in the list leaves the choice as it was.
    bool selectName(const QString &name);
    // Choose the first entry of that value; false, choice unchanged, when no entry has it.
    bool selectValue(std::int64_t value);
    // Choose the first entry of that value, or show the value as an extra "Custom" entry at the end.
    void showValue(std::int64_t value);

protected:
    void changeEvent(QEvent *event) override;

private:
    void addEntry(const Entry &entry);
    void refreshSwatches();
};
