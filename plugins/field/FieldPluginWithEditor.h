// The field rotator of the editor build: the plain rotator with its own unique ID ("OVfg")
// and the FieldEditor, which follows every setParameter (a program change replays all four
// stored values through it).
#pragma once

#include "FieldPlugin.h"
#include "WithEditor.h"

class FieldPluginWithEditor : public WithEditor<FieldPlugin> {
public:
    // When the editor cannot be created, moduleOutOfMemory is set and the entry point
    // refuses the instance.
    explicit FieldPluginWithEditor(audioMasterCallback audioMaster);
};
