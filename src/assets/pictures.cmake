# The card fronts and the pictures of the windows.
