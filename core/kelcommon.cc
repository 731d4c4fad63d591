// Placeholder so the library has a source until the reflection core lands.
