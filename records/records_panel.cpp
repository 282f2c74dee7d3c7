#include "records/records_panel.h"

#include "records/record_table.h"

RecordsPanel::RecordsPanel(RecordTable &table)
    : m_table(table)
{ }

void RecordsPanel::Рекорды_Click()
{
    Таблица_показана = true;
    m_onScreen = true;
    emit changed();
    emit opened();
}

void RecordsPanel::Кнопка_ок_Click()
{
    m_onScreen = false;
    Таблица_показана = false;
    emit changed();
}

// No question and no undo: the panel stays open on the empty table.
void RecordsPanel::Кнопка_очистить_Click()
{
    m_table.tellIfNotSaved(m_table.Очистить_таблицу_рекордов());
    emit changed();
}
