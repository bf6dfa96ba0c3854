WHOIS lookup for FREE.ML can temporarily not be answered. Please try again.
