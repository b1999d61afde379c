#include "store/ReadingTexts.h"

#include "common/JetVal.h"

quint32 ReadingTexts::intern(std::string_view text, QStringList& added) {
    const auto known = m_index.find(text);
    if (known != m_index.end())
        return known->second;
    const auto index = static_cast<quint32>(m_store.size());
    const std::string& kept = m_store.emplace_back(text);
    m_index.emplace(kept, index);
    m_values.push_back(JetVal::leadingNumber(kept.data(), kept.size()));
    added.append(QString::fromUtf8(kept.data(), static_cast<qsizetype>(kept.size())));
    return index;
}

quint32 ReadingTexts::internInColumn(int column, std::string_view text, QStringList& added) {
    quint32& last = m_lastInColumn[column];
    if (!m_hasLast[column] || m_store[last] != text) {
        last = intern(text, added);
        m_hasLast[column] = true;
    }
    return last;
}
