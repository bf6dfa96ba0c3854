
% The data in the WHOIS database of the .il registry is provided
% by ISOC-IL for information purposes, and to assist persons in 
% obtaining information about or related to a domain name 
% registration record. ISOC-IL does not guarantee its accuracy.
% By submitting a WHOIS query, you agree that you will use this
% Data only for lawful purposes and that, under no circumstances
% will you use this Data to: (1) allow, enable, or otherwise 
% support the transmission of mass unsolicited, commercial 
% advertising or solicitations via e-mail (spam); 
% or  (2) enable high volume, automated, electronic processes that 
% apply to ISOC-IL (or its systems).
% ISOC-IL reserves the right to modify these terms at any time.
% By submitting this query, you agree to abide by this policy.
 
% No data was found to match the request criteria.


% Rights to the data above are restricted by copyright.
