# The sounds and their playback.
