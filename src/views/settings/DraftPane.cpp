#include "views/settings/DraftPane.h"

DraftPane::DraftPane(settings::SettingsState& state, QWidget* parent) : QWidget(parent), m_state(state) {}
