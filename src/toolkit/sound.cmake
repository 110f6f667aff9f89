# The sound device and the WAVE image parser.
