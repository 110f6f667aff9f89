# The picture tools.
