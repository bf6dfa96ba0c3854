Use of this whois service implies agreement with our whois
terms found here http://www.whois.hk.com/terms.html

Available: Yes
No match for "freedomain.hk.com"

This domain is available for registration, please visit:
http://www.domains.hk.com/register-domain