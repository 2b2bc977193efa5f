// Placeholder until the field painter lands.
