#pragma once
// Panels: settings windows built of small dialogs. Panels and their groups, the managers
// that stack expandable panels like an accordion, the container panel, the expandable
// panel, the formatted-text editors as a pane and as a panel, the panel stack, and the
// panels that own a document, a settings object or an object's controllers.
#include "panels/Panel.h"
#include "panels/PanelInfo.h"
#include "panels/PanelManager.h"
#include "panels/ContainerPanel.h"
#include "panels/ExpandPanel.h"
#include "panels/Pane.h"
#include "panels/TextEditorControls.h"
#include "panels/TextEditor.h"
#include "panels/EditPane.h"
#include "panels/EditPanel.h"
#include "panels/StackPanelInfo.h"
#include "panels/PanelStack.h"
#include "panels/StackHost.h"
#include "panels/StackSettingsPanel.h"
#include "panels/StackExportDialog.h"
#include "panels/TopPanel.h"
#include "panels/MainPanel.h"
#include "panels/ObjectPanel.h"
#include "panels/ObjectEditDialog.h"
