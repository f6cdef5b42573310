// Nothing of its own: the target built from this file carries the
// GoogleTest headers precompiled for every test binary.
