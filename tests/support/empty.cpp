// Anchors the support library when it has no other source.
