-- For the PDF, every chapter is one part of a single document: a link to another chapter's page
-- ("inputs.html", "inputs.html#units") becomes a link inside the document ("#inputs", "#units").
function Link(link)
  local page, fragment = link.target:match("^([%w%-]+)%.html#(.+)$")
  if page then
    link.target = "#" .. fragment
    return link
  end
  page = link.target:match("^([%w%-]+)%.html$")
  if page then
    link.target = "#" .. page
    return link
  end
end
