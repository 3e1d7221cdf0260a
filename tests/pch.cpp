// The precompiled test headers are built from this otherwise empty unit.
