#pragma once
// Registers the skinned controls and the hint manager with a class registry,
// so layouts can name them, and makes the skinned push button the OK button
// of the framework's message boxes. Registering again is harmless.
class TClassRegistry;

void RegisterControlsClasses(TClassRegistry& registry);
