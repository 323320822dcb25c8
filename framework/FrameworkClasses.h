#pragma once
// Registers the framework's creatable classes with the program-wide class
// registry, so layouts can name them. Safe to call more than once.
void RegisterFrameworkClasses();
