#pragma once

// The machines a switch wire may switch and a measure wire may measure:
// source, sink, both arms, distributor, kiln, smelter, bottling plant,
// storage, coal generator, injection molder and ejector.
bool isSwitchWireTarget(int type);
