#pragma once
// Registers the skinned controls and the hint manager with a class registry,
// so layouts can name them. Registering again is harmless.
class TClassRegistry;

void RegisterControlsClasses(TClassRegistry& registry);
