// Anchor source for libraries made only of compiled-in resources.
