package brivel;

/** A component that shows an ActiveX control. */
public class TavoActiveXContainer {
    private TavoActiveXObject activeX;

    /** Places the control in this container. */
    public void setActiveX(TavoActiveXObject control) throws TavoException {
        if (control == null) throw new TavoException("Null ActiveX object");
        activeX = control;
        control.__TavoContainer = this;
    }

    public TavoActiveXObject getActiveX() {
        return activeX;
    }
}
